#include "ui/query/form1.h"

#include "data/builtinrecords.h"
#include "data/chaxun.h"
#include "ui/captions.h"
#include "ui/framewatch.h"
#include "ui/outergeometry.h"
#include "ui/query/form1design.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;

namespace {

// A fixed single border: a caption bar with a close box, no maximize or minimize button.
constexpr Qt::WindowFlags fixedSingleBorder = Qt::Window | Qt::CustomizeWindowHint
    | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
    | Qt::MSWindowsFixedSizeDialogHint;

} // namespace

Form1::Form1(Form1Hooks windowHooks)
    : QWidget(nullptr, fixedSingleBorder)
    , hooks(std::move(windowHooks))
{
    setObjectName(u"Form1"_s);
    setWindowTitle(form1design::caption);
    setFont(designFont(form1design::windowFont));
    setFixedSize(
        twips::toPixels(form1design::clientWidth), twips::toPixels(form1design::clientHeight));

    buildControls(*this, form1design::controls());
    const auto control = [this]<typename T>(T *&slot, const QString &name) {
        slot = findChild<T *>(name, Qt::FindDirectChildrenOnly);
        Q_ASSERT(slot);
    };
    for (std::size_t i = 0; i < Text1.size(); ++i) {
        control(Text1[i], u"Text1(%1)"_s.arg(i));
    }
    control(Label3, u"Label3"_s);
    control(Label4, u"Label4"_s);
    control(Command1, u"Command1"_s);
    control(Command2, u"Command2"_s);
    control(Command3, u"Command3"_s);
    control(Command4, u"Command4"_s);

    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command3, &QPushButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QPushButton::clicked, this, [this] { dock.Command4_Click(); });

    Timer1 = new QTimer(this);
    Timer1->setObjectName(u"Timer1"_s);
    Timer1->setInterval(form1design::timerInterval);
    connect(Timer1, &QTimer::timeout, this, [this] { dock.Timer1_Timer(); });
    Timer1->start();

    new FrameWatch(*this, [this] { queryFrameChanged(); });

    // Each text box is announced by the caption of its row, which is also its buddy label.
    for (std::size_t i = 0; i < Text1.size(); ++i) {
        auto *caption = findChild<QLabel *>(u"Label%1"_s.arg(i + 1), Qt::FindDirectChildrenOnly);
        caption->setBuddy(Text1[i]);
        Text1[i]->setAccessibleName(spokenName(caption->text()));
    }

    // At first show the focus is in the first control of the tab order.
    Text1[0]->setFocus();
}

void Form1::Form_Load()
{
    centreOnScreen();
    centredWithoutFrame = frameGeometry() == geometry();

    for (QLineEdit *box : Text1) {
        box->setText(QString());
    }
    for (QWidget *control :
        std::initializer_list<QWidget *> {Text1[2], Text1[3], Label3, Label4, Command1, Command2}) {
        control->setVisible(false);
    }

    chushi();
    assignRecords1To500(table);
}

void Form1::chushi()
{
    assignRecords501To1117(table);
}

void Form1::centreOnScreen()
{
    OuterGeometry window(*this);
    const ScreenTwips screen = primaryScreenTwips();
    window.setLeft(centredStart(screen.left, screen.width, window.width()));
    window.setTop(centredStart(screen.top, screen.height, window.height()));
}

// On X11 the window manager frames the window only after it is shown, so the load-time
// centring saw the client area alone and put the window low and to the right by half the frame.
// Centring once more with the real outer size, before the user can have moved the window,
// makes the load-time centring come out as meant. The panel sized itself from the same
// frameless size if it loaded in the meantime.
void Form1::queryFrameChanged()
{
    if (centredWithoutFrame) {
        centredWithoutFrame = false;
        centreOnScreen();
    }
    dock.queryFrameChanged();
}

void Form1::Command3_Click()
{
    const std::optional<int> found = chaxun(table, Text1[0]->text(), Text1[1]->text());
    if (!found) {
        hooks.msgBox(this, form1design::noMatchPrompt);
        Text1[0]->setText(QString());
        Text1[1]->setText(QString());
        return;
    }
    const auto i = static_cast<std::size_t>(*found);
    Command3->setVisible(false);
    Command2->setVisible(true);
    Command1->setVisible(true);
    Text1[2]->setText(table.xm[i]);
    Text1[2]->setVisible(true);
    Text1[3]->setText(table.cj[i]);
    Text1[3]->setVisible(true);
    Label3->setVisible(true);
    Label4->setVisible(true);
}

void Form1::Command1_Click()
{
    for (QLineEdit *box : Text1) {
        box->setText(QString());
    }
    Text1[2]->setVisible(false);
    Text1[3]->setVisible(false);
    Label3->setVisible(false);
    Label4->setVisible(false);
    Command1->setVisible(false);
    Command2->setVisible(false);
    Command3->setVisible(true);
}

void Form1::Command2_Click()
{
    hooks.end();
}

void Form1::Form_Unload()
{
    hooks.end();
}

void Form1::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

// The window has no minimize button, but window managers and their shortcuts minimise it anyway.
void Form1::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange) {
        dock.queryWindowShownChanged(!isMinimized());
    }
    QWidget::changeEvent(event);
}

void Form1::showEvent(QShowEvent *event)
{
    if (!exposureWatched) {
        exposureWatched = true;
        windowHandle()->installEventFilter(this);
    }
    QWidget::showEvent(event);
}

// A window manager unmaps the window when it is minimised or its virtual desktop is left, which
// the window's handle, not the widget, hears as a change of exposure.
bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Expose) {
        dock.queryWindowShownChanged(windowHandle()->isExposed());
    }
    return QWidget::eventFilter(watched, event);
}
