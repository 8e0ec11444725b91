// The Windows edition: the query window Form1 is its start-up window, and it ends through End.
// It takes no arguments and reads nothing.
#include "app/projectsettings.h"
#include "app/startup.h"
#include "forms/win32/messageloop.h"
#include "forms/win32/win32runtime.h"
#include "ui/query/form1.h"

#include <windows.h>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int)
{
    win32forms::Win32Runtime runtime(projectsettings::identity);
    const auto form1 = startProgram(runtime);
    return win32forms::runMessageLoop();
}
