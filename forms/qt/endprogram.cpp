#include "forms/qt/endprogram.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>

namespace qtforms {

namespace {

// Keeps timer events from their receivers once the program has ended: a tick already due
// when the event loop is told to stop would otherwise still run its handler.
class SwallowTimers : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        return event->type() == QEvent::Timer || QObject::eventFilter(watched, event);
    }
};

} // namespace

void endProgram()
{
    // The instructions panel is a tool window, which would neither keep the program alive nor
    // end it; hiding every window here leaves none behind while the event loop unwinds.
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        window->hide();
    }
    QCoreApplication::instance()->installEventFilter(
        new SwallowTimers(QCoreApplication::instance()));
    QCoreApplication::exit(0);
}

} // namespace qtforms
