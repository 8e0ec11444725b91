// The program's own start-up sequence, up to the query window's first frame, and out.
#include "app/displayplatform.h"
#include "app/startup.h"
#include "bench/firstframe.h"
#include "ui/query/form1.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    chooseDisplayPlatform();
    QApplication application(argc, argv);
    const auto form1 = startProgram();
    const QuitAfterFirstFrame quit(*form1);
    return QApplication::exec();
}
