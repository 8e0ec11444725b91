// The Windows edition: the query window Form1 is its start-up window, and it ends through End.
// It takes no arguments and reads nothing. A damaged copy says so in one message box and ends
// with a failure status, before any window shows a record.
#include "app/projectsettings.h"
#include "app/startup.h"
#include "data/packed/addedlist.h"
#include "forms/win32/messageloop.h"
#include "forms/win32/widetext.h"
#include "forms/win32/win32runtime.h"
#include "ui/query/form1.h"

#include <string>
#include <system_error>
#include <windows.h>

namespace {

// What failed, in the system's own words: the error's text comes in the ANSI code page.
std::wstring failure(const std::system_error &error)
{
    const std::string what = error.what();
    std::wstring text(what.size(), L'\0');
    text.resize(static_cast<std::size_t>(MultiByteToWideChar(CP_ACP, 0, what.data(),
        static_cast<int>(what.size()), text.data(), static_cast<int>(text.size()))));
    return L"程序无法运行：" + text;
}

} // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
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
        MessageBoxW(nullptr, failure(error).c_str(),
            win32forms::wide(projectsettings::identity.title).c_str(), MB_OK | MB_ICONERROR);
        return 1;
    }
}
