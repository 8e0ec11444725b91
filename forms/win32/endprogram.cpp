#include "forms/win32/endprogram.h"

#include "forms/win32/win32window.h"

namespace win32forms {

void endProgram()
{
    // Collected first: destroying windows while the system enumerates them skips some.
    for (HWND form : formsOfThisThread()) {
        DestroyWindow(form);
    }
    PostQuitMessage(0);
}

} // namespace win32forms
