#pragma once

#include "data/resulttable.h"
#include "ui/instructions/form2dock.h"
#include "ui/query/form1hooks.h"

#include <QWidget>
#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

// The query window, the program's main window. A candidate types an ID-card number and a ticket
// number and clicks "确    定"; the window looks them up in the result table it owns and shows
// the candidate's name and score, or says in a message box that no record carries both.
//
// Its two display states, input and result, are nothing but which controls are shown and what
// the text boxes hold; no variable keeps them. The window fills its table once, in Form_Load,
// and never changes it afterwards. It does not validate or tidy what was typed: a malformed
// entry is simply a lookup that finds nothing. The instructions panel beside it is handled by
// the dock; closing the window or "退    出" ends the program through the hooks.
class Form1 : public QWidget
{
public:
    explicit Form1(Form1Hooks hooks = {});

    // The load handler: runs once, after construction and before the window is first shown.
    void Form_Load();

    const ResultTable &results() const { return table; }
    Form2Dock &instructions() { return dock; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void chushi();
    void centreOnScreen();
    void queryFrameChanged();

    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Form_Unload();

    Form1Hooks hooks;
    ResultTable table;

    std::array<QLineEdit *, 4> Text1 {};
    QLabel *Label3 = nullptr;
    QLabel *Label4 = nullptr;
    QPushButton *Command1 = nullptr;
    QPushButton *Command2 = nullptr;
    QPushButton *Command3 = nullptr;
    QPushButton *Command4 = nullptr;
    QTimer *Timer1 = nullptr;

    Form2Dock dock {*this};
    // Whether the load-time centring still waits for the window manager's frame.
    bool centredWithoutFrame = false;
    // Whether the window's handle is watched for the window system unmapping it.
    bool exposureWatched = false;
};
