#include "forms/win32/messageloop.h"

#include "forms/win32/systemerror.h"

#include <utility>

namespace win32forms {

namespace {

thread_local std::exception_ptr handlerFailure;

} // namespace

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
    if (handlerFailure) {
        std::rethrow_exception(std::exchange(handlerFailure, nullptr));
    }
    return static_cast<int>(message.wParam);
}

void endMessageLoopWith(std::exception_ptr failure)
{
    handlerFailure = std::move(failure);
    PostQuitMessage(1);
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
