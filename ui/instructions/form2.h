#pragma once

#include <QWidget>

// The instructions panel: a borderless window with five lines of usage instructions that hangs
// on the query window's right-hand side, as high as it and half as wide. It has no frame to
// drag it by, a fixed size, no taskbar button and no owner. It only sizes and places itself when
// it loads; keeping it docked and showing or hiding it is the dock's work.
class Form2 : public QWidget
{
public:
    // Creates the panel and runs its load handler; the panel stays hidden.
    explicit Form2(QWidget &queryWindow);

    // The load handler: hidden, sized from the query window and placed against its right edge.
    void Form_Load();

    // The size the load handler gives the panel, and keeps fixed: the query window's outer height
    // and half its outer width.
    void takeSizeFromQueryWindow();

private:
    QWidget &queryWindow;
};
