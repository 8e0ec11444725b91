// The Qt edition: the query window Form1 is its start-up window, and it ends through End. It
// takes no arguments and reads nothing.
#include "app/displayplatform.h"
#include "app/projectsettings.h"
#include "app/qtstartup.h"
#include "forms/qt/qtruntime.h"
#include "ui/query/form1.h"

#include <QApplication>
#include <cstdlib>

int main(int argc, char *argv[])
{
    chooseDisplayPlatform();
    QApplication application(argc, argv);
    qtforms::QtRuntime runtime(projectsettings::identity);
    const auto form1 = startQtProgram(runtime);
    return form1 ? QApplication::exec() : EXIT_FAILURE;
}
