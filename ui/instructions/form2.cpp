#include "ui/instructions/form2.h"

#include "ui/instructions/form2design.h"

Form2::Form2(forms::Runtime &runtime, forms::Window &query)
    : queryWindow(query)
    , form(runtime.createWindow(form2design::window, &query))
{
    Form_Load();
}

void Form2::Form_Load()
{
    form->setVisible(false);
    takeSizeFromQueryWindow();
    dockToQueryWindow();
}

void Form2::takeSizeFromQueryWindow()
{
    form->setHeight(queryWindow.height());
    form->setWidth(queryWindow.width() / 2);
}

void Form2::dockToQueryWindow()
{
    form->setLeft(queryWindow.left() + queryWindow.width());
    form->setTop(queryWindow.top());
}
