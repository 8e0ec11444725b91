#include "ui/instructions/form2.h"

#include "ui/instructions/form2design.h"
#include "ui/outergeometry.h"
#include "ui/twips.h"
#include "ui/x11stacking.h"

using namespace Qt::StringLiterals;

Form2::Form2(QWidget &query)
    // Parentless, so no window owns it; a tool window gets no taskbar button. The window manager
    // does not manage it: openbox, for one, pulls a managed window that lies mostly off the
    // screen back onto it, which would put the panel over the query window and its button.
    // Unmanaged, it lands exactly where docked and is listed by no taskbar or pager; the price
    // is that it gets no stacking and no minimising from the window manager, so the dock keeps
    // it above the query window and hides it with it. Keeping it managed and on the screen would
    // have covered the query window or left the dock.
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::X11BypassWindowManagerHint)
    , queryWindow(query)
{
    setObjectName(u"Form2"_s);
    setWindowTitle(form2design::caption);
    setFixedSize(
        twips::toPixels(form2design::clientWidth), twips::toPixels(form2design::clientHeight));
    buildControls(*this, form2design::controls());
    x11stacking::skipTaskbarAndPager(*this);
    Form_Load();
}

void Form2::Form_Load()
{
    setVisible(false);
    takeSizeFromQueryWindow();
    const OuterGeometry query(queryWindow);
    OuterGeometry panel(*this);
    panel.setLeft(query.left() + query.width());
    panel.setTop(query.top());
}

void Form2::takeSizeFromQueryWindow()
{
    const OuterGeometry query(queryWindow);
    OuterGeometry(*this).setFixedSize(query.width() / 2, query.height());
}
