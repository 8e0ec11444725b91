#include "ui/instructions/form2dock.h"

#include "ui/instructions/form2.h"
#include "ui/outergeometry.h"
#include "ui/x11stacking.h"

#include <QWidget>

Form2Dock::Form2Dock(QWidget &query)
    : queryWindow(query)
{ }

Form2Dock::~Form2Dock() = default;

Form2 &Form2Dock::form2()
{
    if (!panel) {
        panel = std::make_unique<Form2>(queryWindow);
    }
    return *panel;
}

void Form2Dock::Timer1_Timer()
{
    const OuterGeometry query(queryWindow);
    OuterGeometry docked(form2());
    docked.setLeft(query.width() + query.left());
    docked.setTop(query.top());
    // The window manager tells us nothing when it restacks the query window, so each tick puts
    // the panel back just above it.
    x11stacking::stackJustAbove(*panel, queryWindow);
}

void Form2Dock::Command4_Click()
{
    Form2 &instructions = form2();
    instructions.setVisible(!instructions.isVisible());
    x11stacking::stackJustAbove(instructions, queryWindow);
}

void Form2Dock::queryFrameChanged()
{
    if (panel) {
        panel->takeSizeFromQueryWindow();
    }
}

// The panel has no taskbar button and, unmanaged, is minimised and moved to another virtual
// desktop by no window manager: left on the screen beside a query window that is not, it could
// be neither hidden nor reached and would stand above other programs' windows.
void Form2Dock::queryWindowShownChanged(bool shown)
{
    if (!panel) {
        return;
    }
    if (!shown) {
        if (panel->isVisible()) {
            hiddenWithQueryWindow = true;
            panel->setVisible(false);
        }
    } else if (hiddenWithQueryWindow) {
        hiddenWithQueryWindow = false;
        panel->setVisible(true);
        x11stacking::stackJustAbove(*panel, queryWindow);
    }
}
