#include "ui/query/form1.h"

#include "ui/query/form1design.h"

#include <utility>

namespace {

// Where a window of the given outer extent starts so that it is centred on a screen extent: the
// half is kept, not rounded, and a window larger than the screen gets a negative start.
float centredStart(float screenStart, float screenExtent, float windowExtent)
{
    return screenStart + static_cast<float>((screenExtent - windowExtent) / 2.0);
}

// The busy cursor for as long as a lookup runs, taken away again however the lookup ends.
class BusyCursor
{
public:
    explicit BusyCursor(forms::Window &busyWindow)
        : window(busyWindow)
    {
        window.setBusy(true);
    }
    ~BusyCursor() { window.setBusy(false); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;

private:
    forms::Window &window;
};

} // namespace

Form1::Form1(forms::Runtime &formsRuntime, const SealedTable *added)
    : runtime(formsRuntime)
    , form(runtime.createWindow(form1design::window))
    , table {.compiled = {}, .added = added}
    , Text1 {&form->control("Text1(0)"), &form->control("Text1(1)"), &form->control("Text1(2)"),
          &form->control("Text1(3)")}
    , Label3(form->control("Label3"))
    , Label4(form->control("Label4"))
    , Command1(form->control("Command1"))
    , Command2(form->control("Command2"))
    , Command3(form->control("Command3"))
    , Command4(form->control("Command4"))
    , dock(runtime, *form)
{
    Command1.onClick([this] { Command1_Click(); });
    Command2.onClick([this] { Command2_Click(); });
    Command3.onClick([this] { Command3_Click(); });
    Command4.onClick([this] { dock.Command4_Click(); });
    form->onTimer([this] { dock.Timer1_Timer(); });
    form->onUnload([this] { Form_Unload(); });
    form->onFrameChanged([this] { frameChanged(); });
}

void Form1::Form_Load()
{
    centreOnScreen();
    centredSize = {form->width(), form->height()};

    for (forms::Control *box : Text1) {
        box->setText({});
    }
    for (forms::Control *control : {Text1[2], Text1[3], &Label3, &Label4, &Command1, &Command2}) {
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
    const forms::ScreenTwips screen = runtime.screen();
    form->setLeft(centredStart(screen.left, screen.width, form->width()));
    form->setTop(centredStart(screen.top, screen.height, form->height()));
}

// On X11 the window manager frames the window only after it is shown, so the load-time
// centring saw the client area alone and put the window low and to the right by half the frame.
// Centring once more with the real outer size, before the user can have moved the window,
// makes the load-time centring come out as meant. Only the first frame change can be that late
// frame; a later one (a theme or DPI change) leaves a window the user may have moved where it
// is. The panel sized itself from the same frameless size if it loaded in the meantime.
void Form1::frameChanged()
{
    if (const auto loadSize = std::exchange(centredSize, std::nullopt);
        loadSize && *loadSize != std::pair {form->width(), form->height()}) {
        centreOnScreen();
    }
    dock.queryFrameChanged();
}

void Form1::Command3_Click()
{
    // A sealed table derives a key from the pair first, which takes a noticeable moment.
    const std::optional<FoundRecord> found = [this] {
        const BusyCursor busy(*form);
        return findRecord(table, Text1[0]->text(), Text1[1]->text());
    }();
    if (!found) {
        runtime.msgBox(*form, form1design::noMatchPrompt);
        Text1[0]->setText({});
        Text1[1]->setText({});
        return;
    }
    Command3.setVisible(false);
    Command2.setVisible(true);
    Command1.setVisible(true);
    Text1[2]->setText(found->xm);
    Text1[2]->setVisible(true);
    Text1[3]->setText(found->cj);
    Text1[3]->setVisible(true);
    Label3.setVisible(true);
    Label4.setVisible(true);
}

void Form1::Command1_Click()
{
    for (forms::Control *box : Text1) {
        box->setText({});
    }
    Text1[2]->setVisible(false);
    Text1[3]->setVisible(false);
    Label3.setVisible(false);
    Label4.setVisible(false);
    Command1.setVisible(false);
    Command2.setVisible(false);
    Command3.setVisible(true);
}

void Form1::Command2_Click()
{
    runtime.end();
}

void Form1::Form_Unload()
{
    runtime.end();
}
