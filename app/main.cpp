// The program: the query window Form1 is its start-up window, and it ends through End. It
// takes no arguments and reads nothing.
#include "app/displayplatform.h"
#include "app/startup.h"
#include "ui/query/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    chooseDisplayPlatform();
    QApplication application(argc, argv);
    const auto form1 = startProgram();
    return QApplication::exec();
}
