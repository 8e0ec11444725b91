// The windows on a real X11 desktop, where the window manager frames the query window only
// after it is shown: the framed window still ends up centred, and the panel still sits flush
// against its outer right edge, as high as the framed window and half as wide. Run under
// with-desktop.sh.
#include "app/fontsubstitutes.h"
#include "ui/instructions/form2.h"
#include "ui/query/form1.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

std::unique_ptr<Form1> loadedQueryWindow()
{
    Form1Hooks hooks;
    hooks.end = [] {};
    auto form = std::make_unique<Form1>(std::move(hooks));
    form->Form_Load();
    return form;
}

bool framed(const QWidget &window)
{
    return window.frameGeometry().height() > window.height();
}

bool centred(const QWidget &window)
{
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect frame = window.frameGeometry();
    return std::abs(frame.left() - screen.left() - (screen.right() - frame.right())) <= 1
        && std::abs(frame.top() - screen.top() - (screen.bottom() - frame.bottom())) <= 1;
}

bool docked(Form1 &form)
{
    const Form2 *panel = form.instructions().loadedForm2();
    if (!panel) {
        return false;
    }
    const QRect query = form.frameGeometry();
    const QRect side = panel->frameGeometry();
    return std::abs(side.left() - (query.right() + 1)) <= 1
        && std::abs(side.top() - query.top()) <= 1 && std::abs(side.height() - query.height()) <= 1
        && std::abs(side.width() - query.width() / 2.0) <= 1;
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
        registerFontSubstitutes();
    }

    void theFramedWindowOpensCentred()
    {
        const auto form = loadedQueryWindow();
        form->show();
        QTRY_VERIFY(framed(*form));
        QTRY_VERIFY(centred(*form));
    }

    void thePanelDocksAgainstTheFramedWindow()
    {
        const auto form = loadedQueryWindow();
        // Loaded before the window manager has framed the query window.
        form->instructions().form2();
        form->show();
        QTRY_VERIFY(framed(*form));
        QTest::mouseClick(form->findChild<QPushButton *>(u"Command4"_s), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowExposed(form->instructions().loadedForm2()));
        QTRY_VERIFY(docked(*form));
        // The panel has no frame of its own.
        const Form2 *panel = form->instructions().loadedForm2();
        QCOMPARE(panel->frameGeometry(), panel->geometry());
    }

    void thePanelFollowsTheWindowAndMayLeaveTheScreen()
    {
        const auto form = loadedQueryWindow();
        form->show();
        QTRY_VERIFY(framed(*form));
        QTest::mouseClick(form->findChild<QPushButton *>(u"Command4"_s), Qt::LeftButton);
        QTRY_VERIFY(docked(*form));
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        for (const QPoint place :
            {QPoint(40, 60), QPoint(300, 200), QPoint(screen.right() - 200, 100)}) {
            form->move(place);
            QTRY_COMPARE(form->frameGeometry().topLeft(), place);
            QTRY_VERIFY(docked(*form));
        }
        QVERIFY(form->instructions().loadedForm2()->frameGeometry().right() > screen.right());
    }
};

QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
