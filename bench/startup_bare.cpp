// The yardstick for start-up: a bare Qt program that shows one empty window, with the same Qt
// libraries, up to its first frame, and out.
#include "bench/firstframe.h"

#include <QApplication>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(606, 335);
    window.show();
    const QuitAfterFirstFrame quit(window);
    return QApplication::exec();
}
