#include "app/endprogram.h"

#include <QApplication>
#include <QWidget>

void endProgram()
{
    // The instructions panel is a tool window, which would neither keep the program alive nor
    // end it; hiding every window here leaves none behind while the event loop unwinds.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        window->hide();
    }
    QCoreApplication::exit(0);
}
