#include "forms/win32/messageloop.h"

namespace win32forms {

int runMessageLoop()
{
    MSG message {};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        dispatchMessage(message);
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
