// The Qt edition: the query window Form1 is its start-up window, and it ends through End. It
// takes no arguments and reads nothing. A damaged copy says so in one message box and ends
// with a failure status, before any window shows a record.
#include "app/displayplatform.h"
#include "app/projectsettings.h"
#include "app/qtstartup.h"
#include "data/packed/addedlist.h"
#include "forms/qt/msgbox.h"
#include "forms/qt/qtruntime.h"
#include "ui/query/form1.h"

#include <QApplication>
#include <cstdlib>

int main(int argc, char *argv[])
{
    chooseDisplayPlatform();
    QApplication application(argc, argv);
    const AddedList added;
    if (added.state() == AddedList::State::damaged) {
        qtforms::showPlainOkBox(nullptr, QStringView(projectsettings::identity.title).toString(),
            QStringView(damagedProgramMessage).toString());
        return EXIT_FAILURE;
    }
    qtforms::QtRuntime runtime(projectsettings::identity);
    const auto form1 = startQtProgram(runtime, added.table());
    return form1 ? QApplication::exec() : EXIT_FAILURE;
}
