// The windows on a real X11 desktop with openbox, judged by what the X server shows: the framed
// query window ends up centred; the panel sits flush against its outer right edge wherever that
// is, off the screen included, follows it within two ticks and during a caption drag, is
// stacked just above it and below its message box, goes and comes back with it when it is
// minimised or shaded, keeps its size and is listed by no taskbar. Run under with-desktop.sh.
#include "forms/qt/fontsubstitutes.h"
#include "tests/forms/qt/messageboxwatch.h"
#include "tests/forms/qt/qtprogram.h"
#include "tests/x11/xserver.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<QtProgram> loadedQueryWindow(
    QtProgram::MessageBoxes boxes = QtProgram::MessageBoxes::recorded)
{
    return std::make_unique<QtProgram>(boxes, QtProgram::Shown::no);
}

bool framed(const QWidget &window)
{
    return xserver::outerRect(window).height() > window.height();
}

bool centred(const QWidget &window)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = xserver::outerRect(window);
    return std::abs(frame.left() - screen.left() - (screen.right() - frame.right())) <= 1
        && std::abs(frame.top() - screen.top() - (screen.bottom() - frame.bottom())) <= 1;
}

void clickInstructions(const QtProgram &program)
{
    QTest::mouseClick(program.control<QPushButton>(u"Command4"_s), Qt::LeftButton);
}

QWidget &panelOf(const QtProgram &program)
{
    return program.loadPanel();
}

// Against the framed query window's outer right edge, level with its top, as high as it and half
// as wide, and shown.
bool docked(const QtProgram &program)
{
    const QWidget *panel = program.panel();
    if (!panel || !xserver::viewable(*panel)) {
        return false;
    }
    const QRect query = xserver::outerRect(program.window());
    const QRect side = xserver::outerRect(*panel);
    return side.left() == query.right() + 1 && side.top() == query.top()
        && side.height() == query.height() && std::abs(side.width() - query.width() / 2.0) <= 1;
}

// Shown, framed and centred once more for the frame, after which moves are the test's own.
void showSettled(const QtProgram &program)
{
    QWidget &form = program.window();
    form.show();
    QTRY_VERIFY(framed(form));
    QTRY_VERIFY(centred(form));
}

// Settled, with the panel shown against it.
std::unique_ptr<QtProgram> queryWindowWithPanel(
    QtProgram::MessageBoxes boxes = QtProgram::MessageBoxes::recorded)
{
    auto program = loadedQueryWindow(boxes);
    showSettled(*program);
    clickInstructions(*program);
    [&] { QTRY_VERIFY(docked(*program)); }();
    return program;
}

qsizetype stackIndex(const QWidget &window)
{
    return xserver::stackingOrder().indexOf(xserver::outermost(window));
}

bool justAbove(const QWidget &panel, const QWidget &query)
{
    return stackIndex(panel) == stackIndex(query) + 1;
}

void runXdotool(const QStringList &arguments)
{
    QCOMPARE(QProcess::execute(u"xdotool"_s, arguments), 0);
}

QString idOf(const QWidget &window)
{
    return QString::number(window.winId());
}

// Lets the query window's timer tick a few times, each of which would have put a panel that
// should stay where it is somewhere else.
void waitForTicks(const QtProgram &program)
{
    QSignalSpy ticks(program.window().findChild<QTimer *>(u"Timer1"_s), &QTimer::timeout);
    QTRY_VERIFY(ticks.count() >= 3);
}

QStringList mouseTo(QPoint place)
{
    return {u"mousemove"_s, QString::number(place.x()), QString::number(place.y())};
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY2(
            QGuiApplication::platformName() == u"xcb"_s, "run under tests/x11/with-desktop.sh");
        qtforms::registerFontSubstitutes();
    }

    void theFramedWindowOpensCentred()
    {
        const auto program = loadedQueryWindow();
        QWidget *form = &program->window();
        form->show();
        QTRY_VERIFY(framed(*form));
        QTRY_VERIFY(centred(*form));
    }

    void thePanelDocksAgainstTheFramedWindow()
    {
        const auto program = loadedQueryWindow();
        QWidget *form = &program->window();
        // Loaded before the window manager has framed the query window.
        program->loadPanel();
        form->show();
        QTRY_VERIFY(framed(*form));
        clickInstructions(*program);
        QTRY_VERIFY(docked(*program));
    }

    // openbox pulls a managed window that lies mostly off the screen back onto it, over the
    // query window; the panel must stay where it docks and its button must still hide it.
    void nearAndPastTheRightEdgeThePanelStaysDockedAndTheButtonHidesIt()
    {
        const auto program = loadedQueryWindow();
        QWidget *form = &program->window();
        showSettled(*program);
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const int width = xserver::outerRect(*form).width();
        for (const int gap : {10, 0, -60}) {
            const QPoint place(screen.right() + 1 - gap - width, 100);
            form->move(place);
            QTRY_COMPARE(xserver::outerRect(*form).topLeft(), place);
            clickInstructions(*program);
            QTRY_VERIFY(docked(*program));
            QVERIFY(!xserver::outerRect(panelOf(*program)).intersects(xserver::outerRect(*form)));
            QVERIFY(xserver::outerRect(panelOf(*program)).right() > screen.right());

            clickInstructions(*program);
            QVERIFY(!panelOf(*program).isVisible());
            QTRY_VERIFY(!xserver::viewable(panelOf(*program)));
        }
    }

    void thePanelFollowsTheWindowAndMayLeaveTheScreen()
    {
        const auto program = queryWindowWithPanel();
        QWidget *form = &program->window();
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        for (const QPoint place :
            {QPoint(40, 60), QPoint(300, 200), QPoint(screen.right() - 200, 100)}) {
            form->move(place);
            QTRY_COMPARE(xserver::outerRect(*form).topLeft(), place);
            QTRY_VERIFY(docked(*program));
        }
        QVERIFY(xserver::outerRect(panelOf(*program)).left() > screen.right());
    }

    // Each move is made just after a tick has docked the panel, so the panel can only follow on
    // a later tick: about 50 ms at the design's rate, a whole interval at any slower one. The
    // median of several moves keeps a busy machine from failing it.
    void thePanelFollowsAMoveWithinTwoTicks()
    {
        const auto program = queryWindowWithPanel();
        QWidget *form = &program->window();
        QList<qint64> delays;
        for (int i = 0; i < 7; ++i) {
            const QPoint place = xserver::outerRect(*form).topLeft() + QPoint(i % 2 ? -30 : 30, 10);
            form->move(place);
            QElapsedTimer clock;
            clock.start();
            // The window manager moves the query window first; the panel follows on a tick.
            const auto followed
                = [&] { return xserver::outerRect(*form).topLeft() == place && docked(*program); };
            while (!followed() && clock.elapsed() < 2000) {
                QTest::qWait(2);
            }
            QVERIFY(followed());
            delays.append(clock.elapsed());
        }
        std::sort(delays.begin(), delays.end());
        QVERIFY2(delays.at(delays.size() / 2) <= 150,
            qPrintable(u"median delay %1 ms"_s.arg(delays.at(delays.size() / 2))));
    }

    // Unmanaged, the panel gets no stacking from openbox: it must not float above a window
    // that covers the query window, and must come back above the query window with it.
    void thePanelIsStackedJustAboveTheQueryWindow()
    {
        const auto program = queryWindowWithPanel();
        QWidget *form = &program->window();
        QWidget &panel = panelOf(*program);
        QTRY_VERIFY(justAbove(panel, *form));

        QWidget other;
        other.setGeometry(xserver::outerRect(panel));
        other.show();
        QVERIFY(QTest::qWaitForWindowExposed(&other));
        // Raised as the user raises it, through the window manager: openbox may put a new window
        // below the one that has the focus, and refuse the new window's own raise.
        runXdotool({u"windowactivate"_s, u"--sync"_s, idOf(other)});
        QTRY_VERIFY(stackIndex(other) > stackIndex(panel));
        QTRY_VERIFY(justAbove(panel, *form));

        // As the user does, through the window manager: openbox may refuse a program's own
        // raise just after another window took the focus.
        runXdotool({u"windowactivate"_s, u"--sync"_s, idOf(*form)});
        QTRY_VERIFY(stackIndex(*form) > stackIndex(other));
        QTRY_VERIFY(justAbove(panel, *form));
    }

    void aMinimisedQueryWindowTakesThePanelAlong()
    {
        const auto program = queryWindowWithPanel();
        QWidget *form = &program->window();
        QWidget &panel = panelOf(*program);
        runXdotool({u"windowminimize"_s, idOf(*form)});
        QTRY_VERIFY(form->isMinimized());
        QTRY_VERIFY(!xserver::viewable(panel));
        runXdotool({u"windowactivate"_s, idOf(*form)});
        QTRY_VERIFY(!form->isMinimized());
        QTRY_VERIFY(docked(*program));
        QTRY_VERIFY(justAbove(panel, *form));

        // Shown again, the button still hides it; hidden, it stays hidden through the next
        // minimise and restore.
        clickInstructions(*program);
        QTRY_VERIFY(!xserver::viewable(panel));
        runXdotool({u"windowminimize"_s, idOf(*form)});
        QTRY_VERIFY(form->isMinimized());
        runXdotool({u"windowactivate"_s, idOf(*form)});
        QTRY_VERIFY(!form->isMinimized());
        QTRY_VERIFY(xserver::viewable(*form));
        waitForTicks(*program);
        QVERIFY(!xserver::viewable(panel));
        clickInstructions(*program);
        QTRY_VERIFY(docked(*program));
    }

    // openbox resizes a window dragged with Alt and the right mouse button.
    void thePanelKeepsItsSizeWhenDraggedWithAltAndTheRightButton()
    {
        const auto program = queryWindowWithPanel();
        QWidget &panel = panelOf(*program);
        const QRect before = xserver::outerRect(panel);
        QCOMPARE(panel.minimumSize(), panel.maximumSize());
        const QPoint corner = before.bottomRight() - QPoint(5, 5);
        runXdotool(
            {u"mousemove"_s, QString::number(corner.x()), QString::number(corner.y()), u"keydown"_s,
                u"alt"_s, u"mousedown"_s, u"3"_s, u"mousemove"_s, QString::number(corner.x() - 80),
                QString::number(corner.y() - 120), u"mouseup"_s, u"3"_s, u"keyup"_s, u"alt"_s});
        waitForTicks(*program);
        QCOMPARE(xserver::outerRect(panel).size(), before.size());
        QVERIFY(docked(*program));
    }

    // An unmanaged window is never in the window manager's client list, which is what taskbars
    // and pagers list; _NET_WM_STATE_SKIP_TASKBAR would only be read by a window manager
    // managing it.
    void noTaskbarOrPagerListsThePanel()
    {
        const auto program = queryWindowWithPanel();
        QWidget *form = &program->window();
        QWidget &panel = panelOf(*program);
        QVERIFY(xserver::overrideRedirect(panel));
        QTRY_VERIFY(xserver::clientList().contains(static_cast<xcb_window_t>(form->winId())));
        QVERIFY(!xserver::clientList().contains(static_cast<xcb_window_t>(panel.winId())));
        const QList<std::uint32_t> states = xserver::listProperty(
            static_cast<xcb_window_t>(panel.winId()), "_NET_WM_STATE", XCB_ATOM_ATOM);
        QVERIFY(states.contains(xserver::atom("_NET_WM_STATE_SKIP_TASKBAR")));
        QVERIFY(states.contains(xserver::atom("_NET_WM_STATE_SKIP_PAGER")));
    }

    // openbox unmaps the windows of a virtual desktop that is left; the unmanaged panel would
    // stay on the screen above whatever the other desktop shows.
    void thePanelLeavesWithTheQueryWindowsDesktop()
    {
        const auto program = queryWindowWithPanel();
        QWidget *form = &program->window();
        QWidget &panel = panelOf(*program);
        runXdotool({u"set_desktop"_s, u"1"_s});
        QTRY_VERIFY(!xserver::viewable(*form));
        QTRY_VERIFY(!xserver::viewable(panel));
        runXdotool({u"set_desktop"_s, u"0"_s});
        QTRY_VERIFY(xserver::viewable(*form));
        QTRY_VERIFY(xserver::viewable(panel));
        QTRY_VERIFY(docked(*program));
        QTRY_VERIFY(justAbove(panel, *form));
        clickInstructions(*program);
        QTRY_VERIFY(!xserver::viewable(panel));
    }

    // openbox moves the frame of a window dragged by its caption and tells the client nothing
    // until the button is released; the panel follows while the button is still down.
    void thePanelFollowsACaptionDragWhileTheButtonIsDown()
    {
        const auto program = queryWindowWithPanel();
        QWidget *form = &program->window();
        const QRect frame = xserver::outerRect(*form);
        const QPoint grab(frame.center().x(), (frame.top() + form->geometry().top()) / 2);
        const QPoint moved(-90, 70);
        runXdotool(mouseTo(grab) + QStringList {u"mousedown"_s, u"1"_s});
        const auto release = qScopeGuard([] { runXdotool({u"mouseup"_s, u"1"_s}); });
        for (int step = 1; step <= 6; ++step) {
            runXdotool(mouseTo(grab + moved * step / 6));
        }
        // Held still, the button down.
        QTRY_COMPARE(xserver::outerRect(*form).topLeft(), frame.topLeft() + moved);
        QTRY_VERIFY(docked(*program));
        QVERIFY(justAbove(panelOf(*program), *form));
    }

    // openbox's frame is a caption bar above the client and a thin border on the other sides.
    void setHeightTakesOffTheVerticalFrame()
    {
        const auto program = loadedQueryWindow();
        showSettled(*program);
        QWidget *form = &program->window();
        const QRect before = xserver::outerRect(*form);
        QVERIFY(before.height() - form->height() != before.width() - form->width());
        forms::Window &window = program->form1().window();
        window.setHeight(window.height() + 40 * 15);
        QTRY_COMPARE(xserver::outerRect(*form).height(), before.height() + 40);
        QCOMPARE(xserver::outerRect(*form).width(), before.width());
    }

    // A shaded window is rolled up to its caption bar, still mapped; the panel leaves with its
    // body and comes back as it was, shown or hidden.
    void aShadedQueryWindowTakesThePanelAlong()
    {
        const auto program = queryWindowWithPanel();
        QWidget *form = &program->window();
        QWidget &panel = panelOf(*program);
        const int fullHeight = xserver::outerRect(*form).height();
        const auto shade = [&](bool on) {
            xserver::setWindowState(*form, "_NET_WM_STATE_SHADED", on);
            QTRY_COMPARE(xserver::outerRect(*form).height() == fullHeight, !on);
        };
        shade(true);
        QTRY_VERIFY(!xserver::viewable(panel));
        shade(false);
        QTRY_VERIFY(docked(*program));
        QTRY_VERIFY(justAbove(panel, *form));

        clickInstructions(*program);
        QTRY_VERIFY(!xserver::viewable(panel));
        shade(true);
        shade(false);
        waitForTicks(*program);
        QVERIFY(!xserver::viewable(panel));
        clickInstructions(*program);
        QTRY_VERIFY(docked(*program));
    }

    // The ticks go on while the real message box is open: they neither move the query window
    // nor lift the panel over the box.
    void ticksUnderTheMessageBoxLeaveItOnTop()
    {
        const auto program = queryWindowWithPanel(QtProgram::MessageBoxes::real);
        QWidget *form = &program->window();
        QWidget &panel = panelOf(*program);
        program->control<QLineEdit>(u"Text1(0)"_s)->setText(u"1"_s);
        const QRect before = xserver::outerRect(*form);
        int ticks = 0;
        QObject::connect(
            form->findChild<QTimer *>(u"Timer1"_s), &QTimer::timeout, form, [&ticks] { ++ticks; });
        bool looked = false;
        const MessageBoxWatch watch([&](QMessageBox &box) {
            QTRY_VERIFY(xserver::viewable(box));
            const int shownAt = ticks;
            QTRY_VERIFY(ticks >= shownAt + 4);
            QCOMPARE(xserver::outerRect(*form), before);
            QVERIFY(stackIndex(box) > stackIndex(panel));
            QVERIFY(justAbove(panel, *form));
            QCOMPARE(program->control<QLineEdit>(u"Text1(0)"_s)->text(), u"1"_s);
            looked = true;
        });
        QTest::mouseClick(program->control<QPushButton>(u"Command3"_s), Qt::LeftButton);
        QVERIFY(looked);
        QVERIFY(docked(*program));
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
