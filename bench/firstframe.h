#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>

// Ends the event loop once the watched window has painted its first frame, so that a process
// measures start-up up to the first shown frame and then its way out.
class QuitAfterFirstFrame : public QObject
{
public:
    explicit QuitAfterFirstFrame(QObject &window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }
};
