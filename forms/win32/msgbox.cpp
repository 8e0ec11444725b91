#include "forms/win32/msgbox.h"

#include "forms/win32/widetext.h"

namespace win32forms {

void showPlainOkBox(HWND owner, std::u16string_view title, std::u16string_view prompt)
{
    MessageBoxW(owner, wide(prompt).c_str(), wide(title).c_str(), MB_OK);
}

} // namespace win32forms
