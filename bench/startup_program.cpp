// The program's own start-up sequence, up to the query window's first frame, and out: the list
// added to it read first, as app/qtmain.cpp does, so that a packed copy measures a packed
// program's start.
#include "app/displayplatform.h"
#include "app/projectsettings.h"
#include "app/qtapplication.h"
#include "app/startup.h"
#include "bench/firstframe.h"
#include "data/packed/addedlist.h"
#include "forms/qt/qtruntime.h"
#include "forms/qt/qtwindow.h"
#include "ui/query/form1.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    chooseDisplayPlatform();
    QApplication application(argc, argv);
    prepareApplication();
    const AddedList added;
    if (added.state() == AddedList::State::damaged) {
        return 1;
    }
    qtforms::QtRuntime runtime(projectsettings::identity);
    const auto form1 = startProgram(runtime, added.table());
    const QuitAfterFirstFrame quit(static_cast<qtforms::QtWindow &>(form1->window()).widget());
    return QApplication::exec();
}
