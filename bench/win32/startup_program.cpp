// The program's own start-up, as app/win32main.cpp runs it, up to the query window's first
// painted frame, and out by closing the window (End): the list added to it read first, so that a
// packed copy measures a packed program's start. Measured by bench/win32-startup.sh against
// startup_bare.
#include "app/projectsettings.h"
#include "app/startup.h"
#include "bench/win32/firstframe.h"
#include "data/packed/addedlist.h"
#include "forms/win32/messageloop.h"
#include "forms/win32/win32runtime.h"
#include "forms/win32/win32window.h"
#include "ui/query/form1.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    const AddedList added;
    if (added.state() == AddedList::State::damaged) {
        return 1;
    }
    win32forms::Win32Runtime runtime(projectsettings::identity);
    const auto form1 = startProgram(runtime, added.table());
    firstframe::report(static_cast<win32forms::Win32Window &>(form1->window()).handle());
    return win32forms::runMessageLoop();
}
