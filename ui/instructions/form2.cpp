#include "ui/instructions/form2.h"

#include "ui/instructions/form2design.h"
#include "ui/outergeometry.h"
#include "ui/twips.h"

using namespace Qt::StringLiterals;

Form2::Form2(QWidget &query)
    // Parentless, so no window owns it; a tool window gets no taskbar button.
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint)
    , queryWindow(query)
{
    setObjectName(u"Form2"_s);
    setWindowTitle(form2design::caption);
    resize(twips::toPixels(form2design::clientWidth), twips::toPixels(form2design::clientHeight));
    buildControls(*this, form2design::controls());
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
    OuterGeometry panel(*this);
    panel.setHeight(query.height());
    panel.setWidth(query.width() / 2);
}
