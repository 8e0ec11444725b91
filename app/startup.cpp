#include "app/startup.h"

#include "ui/query/form1.h"

std::unique_ptr<Form1> startProgram(forms::Runtime &runtime, const SealedTable *added)
{
    auto form1 = std::make_unique<Form1>(runtime, added);
    form1->Form_Load();
    form1->window().setVisible(true);
    return form1;
}
