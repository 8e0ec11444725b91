#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

// Lets a test look at a real modal message box: once one is open, the callback inspects it and
// the box's first button is clicked, which returns control to the code that raised it.
class MessageBoxWatch
{
public:
    explicit MessageBoxWatch(std::function<void(QMessageBox &)> inspect)
    {
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, [this, inspect = std::move(inspect)] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) {
                return;
            }
            poll.stop();
            inspect(*box);
            box->buttons().constFirst()->click();
        });
        poll.start();
    }

private:
    QTimer poll;
};
