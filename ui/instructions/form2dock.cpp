#include "ui/instructions/form2dock.h"

#include "ui/instructions/form2.h"

Form2Dock::Form2Dock(forms::Runtime &formsRuntime, forms::Window &query)
    : runtime(formsRuntime)
    , queryWindow(query)
{ }

Form2Dock::~Form2Dock() = default;

Form2 &Form2Dock::form2()
{
    if (!panel) {
        panel = std::make_unique<Form2>(runtime, queryWindow);
    }
    return *panel;
}

void Form2Dock::Timer1_Timer()
{
    form2().dockToQueryWindow();
}

void Form2Dock::Command4_Click()
{
    forms::Window &instructions = form2().window();
    instructions.setVisible(!instructions.visible());
}

void Form2Dock::queryFrameChanged()
{
    if (panel) {
        panel->takeSizeFromQueryWindow();
    }
}
