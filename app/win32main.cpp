// The Windows edition: the query window Form1 is its start-up window, and it ends through End.
// It takes no arguments and reads nothing. A damaged copy says so in one message box and ends
// with a failure status, before any window shows a record.
#include "app/projectsettings.h"
#include "app/startup.h"
#include "data/packed/addedlist.h"
#include "data/platform/fatal.h"
#include "forms/win32/messageloop.h"
#include "forms/win32/widetext.h"
#include "forms/win32/win32runtime.h"
#include "ui/query/form1.h"

#include <string>
#include <string_view>
#include <system_error>
#include <windows.h>

namespace {

std::wstring wideFrom(std::string_view text, UINT codePage)
{
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<std::size_t>(MultiByteToWideChar(codePage, 0, text.data(),
        static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

void showFailure(const std::wstring &text)
{
    MessageBoxW(nullptr, text.c_str(), win32forms::wide(projectsettings::identity.title).c_str(),
        MB_OK | MB_ICONERROR);
}

// What failed, in the system's own words: the error's text comes in the ANSI code page.
std::wstring failure(const std::system_error &error)
{
    return L"程序无法运行：" + wideFrom(error.what(), CP_ACP);
}

// The platform's cryptography or text conversion failed (data/platform/fatal.h). The program has
// no console to write to: it says so in a box and ends, never showing a result it could not
// compute.
[[noreturn]] void endOnPlatformFailure(std::string_view message)
{
    showFailure(L"程序无法继续：" + wideFrom(message, CP_UTF8));
    ExitProcess(1);
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    fatal::setHandler(endOnPlatformFailure);
    const AddedList added;
    if (added.state() == AddedList::State::damaged) {
        MessageBoxW(nullptr, win32forms::wide(damagedProgramMessage).c_str(),
            win32forms::wide(projectsettings::identity.title).c_str(), MB_OK | MB_ICONERROR);
        return 1;
    }
    try {
        win32forms::Win32Runtime runtime(projectsettings::identity);
        const auto form1 = startProgram(runtime, added.table());
        return win32forms::runMessageLoop();
    } catch (const std::system_error &error) {
        // Without its windows nothing could end the program: it says what failed and ends.
        showFailure(failure(error));
        return 1;
    }
}
