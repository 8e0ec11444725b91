#pragma once

#include "data/resultstore.h"
#include "forms/runtime.h"
#include "ui/instructions/form2dock.h"

#include <array>
#include <memory>
#include <optional>

// The query window, the program's main window. A candidate types an ID-card number and a ticket
// number and clicks "确    定"; the window looks them up in the result table it owns and shows
// the candidate's name and score, or says in a message box that no record carries both. The
// table is the list added to the program after it was built when the entry hands one over, and
// the records compiled in otherwise (data/resultstore.h).
//
// Its two display states, input and result, are nothing but which controls are shown and what
// the text boxes hold; no variable keeps them. The window fills its table once, in Form_Load,
// and never changes it afterwards. It does not validate or tidy what was typed: a malformed
// entry is simply a lookup that finds nothing, and no handler moves the focus. The instructions
// panel beside it is the dock's; "退    出" and closing the window end the program.
class Form1
{
public:
    // Creates the window with its design, hidden; the runtime starts its timer. An added list,
    // which the caller keeps for the window's lifetime, replaces the compiled-in records.
    explicit Form1(forms::Runtime &runtime, const SealedTable *added = nullptr);

    // The load handler: runs once, after construction and before the window is first shown.
    void Form_Load();

    forms::Window &window() { return *form; }
    // The records compiled in; an added list leaves them unloaded.
    const ResultTable &results() const { return table.compiled; }
    Form2Dock &instructions() { return dock; }

private:
    void chushi();
    void centreOnScreen();
    void frameChanged();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Form_Unload();

    forms::Runtime &runtime;
    std::unique_ptr<forms::Window> form;
    ResultStore table;

    std::array<forms::Control *, 4> Text1;
    forms::Control &Label3;
    forms::Control &Label4;
    forms::Control &Command1;
    forms::Control &Command2;
    forms::Control &Command3;
    forms::Control &Command4;

    Form2Dock dock;
    // The outer size the load handler centred the window by, until the window system's frame
    // has arrived.
    std::optional<std::pair<float, float>> centredSize;
};
