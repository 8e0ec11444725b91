// The instructions panel as a Qt window: a borderless, unowned, unmanaged tool window of a fixed
// size, loaded by the real timer, docked in pixels against the query window's outer right edge,
// and taken along when the query window is minimised.
#include "forms/qt/fontsubstitutes.h"
#include "tests/forms/qt/qtprogram.h"

#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

void clickInstructions(const QtProgram &program)
{
    QTest::mouseClick(program.control<QPushButton>(u"Command4"_s), Qt::LeftButton);
}

// Against the query window's outer right edge, level with its top, as high as it and half as
// wide (rounded to the nearest pixel).
bool docked(const QtProgram &program)
{
    const QRect query = program.window().frameGeometry();
    const QRect side = program.panel()->frameGeometry();
    return side.topLeft() == QPoint(query.right() + 1, query.top())
        && side.height() == query.height() && side.width() == qRound(query.width() / 2.0);
}

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qtforms::registerFontSubstitutes(); }

    void theTimerLoadsThePanelHidden()
    {
        const QtProgram program;
        QVERIFY(!program.panel());
        QTRY_VERIFY(program.panel());
        QTRY_VERIFY(docked(program));
        QVERIFY(!program.panel()->isVisible());
    }

    void thePanelIsABorderlessUnownedUnmanagedToolWindow()
    {
        const QtProgram program;
        QWidget &panel = program.loadPanel();
        QVERIFY(!panel.parentWidget());
        QVERIFY(panel.windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(panel.windowFlags().testFlag(Qt::X11BypassWindowManagerHint));
        QCOMPARE(panel.windowType(), Qt::Tool);
        QCOMPARE(panel.windowTitle(), u"软件使用说明"_s);
        QCOMPARE(panel.minimumSize(), panel.maximumSize());

        auto *label = panel.findChild<QLabel *>(u"Label1"_s);
        QVERIFY(label);
        QCOMPARE(label->geometry(), QRect(24, 32, 265, 305));
        QCOMPARE(label->font().pixelSize(), 19);
        QVERIFY(label->wordWrap());
        const QStringList lines = label->text().split(u"\r\n"_s);
        QCOMPARE(lines.size(), 5);
        QCOMPARE(lines.first(), u"软件使用说明："_s);
        QCOMPARE(lines.at(3), u"3、身份证号如有字母，请输入大写字母。"_s);
        QVERIFY(lines.last().startsWith(u"在查询过程中，如有疑问请致电"_s));
        QVERIFY(lines.last().endsWith(u"。"_s));
    }

    void aPanelLoadedBeforeTheFrameExistsTakesTheFramedSize()
    {
        const QtProgram program(QtProgram::Shown::no);
        // Loaded before the query window has a frame: sized from its client area alone.
        QWidget &panel = program.loadPanel();
        QCOMPARE(panel.height(), program.window().height());
        program.window().show();
        QVERIFY(program.window().frameGeometry().height() > program.window().height());
        clickInstructions(program);
        QTRY_VERIFY(docked(program));
        // The framed size is fixed too, so no one can resize the panel.
        QCOMPARE(panel.minimumSize(), panel.size());
        QCOMPARE(panel.maximumSize(), panel.size());
    }

    // Placing the panel moves it and nothing else: a tick that sized it too would undo any size
    // the panel was given since it loaded.
    void aTickMovesThePanelWithoutResizingIt()
    {
        const QtProgram program;
        clickInstructions(program);
        QTRY_VERIFY(docked(program));
        QWidget &panel = *program.panel();
        const QSize other = panel.size() - QSize(40, 30);
        panel.setFixedSize(other);
        QWidget &query = program.window();
        query.move(query.pos() + QPoint(20, 20));
        program.form1().instructions().Timer1_Timer();
        QCOMPARE(panel.size(), other);
        QCOMPARE(panel.pos(), QPoint(query.frameGeometry().right() + 1, query.y()));
    }

    // The real timer keeps the panel docked; past the screen's right edge nothing keeps it on
    // the screen.
    void thePanelFollowsAMove()
    {
        const QtProgram program;
        clickInstructions(program);
        QWidget &query = program.window();
        for (const QPoint step : {QPoint(25, 0), QPoint(0, -17), QPoint(-300, 200)}) {
            query.move(query.pos() + step);
            QTRY_VERIFY(docked(program));
        }
        const QRect screen = query.screen()->geometry();
        query.move(screen.right() - 100, 50);
        QTRY_VERIFY(docked(program));
        QVERIFY(program.panel()->frameGeometry().left() > screen.right());
    }

    // The panel has no taskbar button, so it goes with a minimised query window and comes back
    // as it was; the button goes on flipping it from there.
    void minimisingTheQueryWindowTakesThePanelAlong()
    {
        const QtProgram program;
        QWidget &query = program.window();
        clickInstructions(program);
        QVERIFY(program.panel()->isVisible());
        query.showMinimized();
        QVERIFY(!program.panel()->isVisible());
        query.showNormal();
        QVERIFY(program.panel()->isVisible());
        clickInstructions(program);
        QVERIFY(!program.panel()->isVisible());

        query.showMinimized();
        query.showNormal();
        QVERIFY(!program.panel()->isVisible());
        clickInstructions(program);
        QVERIFY(program.panel()->isVisible());
        QTRY_VERIFY(docked(program));
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
