#pragma once

// The program's windows in the test process: the query window made by startProgram on the
// Win32 runtime, a message loop to run for a while or until something holds, real keyboard
// input, and the window handles to read what the window system shows.
#include "app/projectsettings.h"
#include "app/startup.h"
#include "forms/win32/messageloop.h"
#include "forms/win32/win32control.h"
#include "forms/win32/win32runtime.h"
#include "forms/win32/win32window.h"
#include "ui/instructions/form2.h"
#include "ui/query/form1.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>
#include <windows.h>

namespace testprogram {

// Runs the message loop, every waiting message at least once (paints included), then for the
// given time or until the condition holds; returns whether it does.
inline bool runUntil(const std::function<bool()> &condition, DWORD milliseconds = 3000)
{
    const ULONGLONG end = GetTickCount64() + milliseconds;
    for (;;) {
        MSG message {};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (message.message == WM_QUIT) {
                PostQuitMessage(static_cast<int>(message.wParam));
                return condition();
            }
            win32forms::dispatchMessage(message);
        }
        if (condition()) {
            return true;
        }
        if (GetTickCount64() >= end) {
            return false;
        }
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

inline void runFor(DWORD milliseconds)
{
    runUntil([] { return false; }, milliseconds);
}

// Runs the message loop until the keyboard and mouse input sent so far has been handled: none is
// left in the thread's queue, nor any message it posted (WM_CHAR from a key, for one).
inline bool runUntilInputHandled()
{
    return runUntil([] { return HIWORD(GetQueueStatus(QS_ALLINPUT)) == 0; });
}

struct Program
{
    explicit Program(win32forms::Win32RuntimeHooks hooks = {})
        : runtime(projectsettings::identity, std::move(hooks))
        , form1(startProgram(runtime))
    { }

    HWND query() const { return static_cast<win32forms::Win32Window &>(form1->window()).handle(); }

    HWND control(std::string_view name) const
    {
        return static_cast<win32forms::Win32Control &>(form1->window().control(name)).handle();
    }

    // The panel, once the first tick has made it.
    HWND panel() const
    {
        Form2 *form2 = form1->instructions().loadedForm2();
        return form2 != nullptr ? static_cast<win32forms::Win32Window &>(form2->window()).handle()
                                : nullptr;
    }

    bool waitForPanel() const
    {
        return runUntil([this] { return panel() != nullptr; });
    }

    win32forms::Win32Runtime runtime;
    std::unique_ptr<Form1> form1;
};

inline std::wstring windowText(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

inline std::wstring wide(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

// A rectangle relative to the parent's client area.
inline RECT rectInParent(HWND child)
{
    RECT rect {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT *>(&rect), 2);
    return rect;
}

inline RECT windowRect(HWND window)
{
    RECT rect {};
    GetWindowRect(window, &rect);
    return rect;
}

// Real keyboard input through the system's input queue.
inline void pressKeys(std::initializer_list<std::pair<WORD, bool>> keys)
{
    std::vector<INPUT> inputs;
    for (const auto &[key, down] : keys) {
        INPUT input {};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
        inputs.push_back(input);
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    runUntilInputHandled();
}

inline void press(WORD key)
{
    pressKeys({{key, true}, {key, false}});
}

inline void pressShifted(WORD key)
{
    pressKeys({{VK_SHIFT, true}, {key, true}, {key, false}, {VK_SHIFT, false}});
}

inline void type(std::wstring_view text)
{
    std::vector<INPUT> inputs;
    for (wchar_t character : text) {
        for (DWORD flags :
            {DWORD {KEYEVENTF_UNICODE}, DWORD {KEYEVENTF_UNICODE | KEYEVENTF_KEYUP}}) {
            INPUT input {};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = character;
            input.ki.dwFlags = flags;
            inputs.push_back(input);
        }
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    runUntilInputHandled();
}

// Empties the focused box as a user does (Wine's single-line edit has no Ctrl+A).
inline void clearFocusedBox()
{
    press(VK_END);
    pressShifted(VK_HOME);
    press(VK_BACK);
}

} // namespace testprogram
