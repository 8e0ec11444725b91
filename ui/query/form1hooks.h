#pragma once

#include "app/endprogram.h"
#include "ui/msgbox.h"

#include <QString>
#include <functional>

class QWidget;

// Everything the query window does to the world outside itself: the message box it raises and
// the end of the program. Tests replace them to observe both without blocking on a modal box
// or ending the test process; the program keeps the defaults.
struct Form1Hooks
{
    std::function<void(QWidget *owner, const QString &prompt)> msgBox = showPlainOkBox;
    std::function<void()> end = endProgram; // stops the program at once, panel included
};
