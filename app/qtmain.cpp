// The Qt edition: the query window Form1 is its start-up window, and it ends through End. It
// takes no arguments and reads nothing.
#include "app/startup.h"
#include "forms/qt/application.h"
#include "forms/qt/displayplatform.h"
#include "forms/qt/qtruntime.h"
#include "ui/query/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    chooseDisplayPlatform();
    QApplication application(argc, argv);
    prepareApplication();
    QtRuntime runtime;
    const auto form1 = startProgram(runtime);
    return QApplication::exec();
}
