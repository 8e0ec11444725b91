#include "forms/win32/messageloop.h"

#include "forms/win32/systemerror.h"

namespace win32forms {

int runMessageLoop()
{
    MSG message {};
    BOOL got = FALSE;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        dispatchMessage(message);
    }
    // -1 is an error, and the message holds nothing then.
    if (got == -1) {
        throw lastSystemError("GetMessageW", "the message loop");
    }
    return static_cast<int>(message.wParam);
}

void dispatchMessage(MSG &message)
{
    HWND topLevel = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (topLevel != nullptr && IsDialogMessageW(topLevel, &message)) {
        return;
    }
    TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace win32forms
