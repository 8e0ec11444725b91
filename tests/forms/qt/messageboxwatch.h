#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>

// Lets a test look at a real modal message box: once one is open, the callback inspects it and
// the box's first button is clicked, which returns control to the code that raised it. Should no
// message box open within a few seconds, whatever modal window is open is closed so the test
// fails instead of hanging.
class MessageBoxWatch
{
public:
    explicit MessageBoxWatch(std::function<void(QMessageBox &)> inspect)
    {
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [this, inspect = std::move(inspect)] {
            QWidget *modal = QApplication::activeModalWidget();
            auto *box = qobject_cast<QMessageBox *>(modal);
            if (box && !box->buttons().isEmpty()) {
                poll.stop();
                inspect(*box);
                box->buttons().constFirst()->click();
            } else if (deadline.hasExpired()) {
                poll.stop();
                if (modal) {
                    modal->close();
                }
            }
        });
        poll.start();
    }

private:
    QTimer poll;
    QDeadlineTimer deadline {5000};
};
