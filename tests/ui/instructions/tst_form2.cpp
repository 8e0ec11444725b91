// The instructions panel: created hidden by the first tick, shown and hidden by the narrow
// button, docked against the query window's outer right edge and following it.
#include "app/fontsubstitutes.h"
#include "ui/instructions/form2.h"
#include "ui/query/form1.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

struct Harness
{
    int ends = 0;
    std::unique_ptr<Form1> form;

    explicit Harness(bool shown = true)
    {
        Form1Hooks hooks;
        hooks.msgBox = [](QWidget *, const QString &) {};
        hooks.end = [this] { ++ends; };
        form = std::make_unique<Form1>(std::move(hooks));
        form->Form_Load();
        if (shown) {
            form->show();
        }
    }

    Form2 *panel() const { return form->instructions().loadedForm2(); }
    void clickInstructions() const
    {
        QTest::mouseClick(form->findChild<QPushButton *>(u"Command4"_s), Qt::LeftButton);
    }
    // Against the query window's outer right edge, level with its top, as high as it and half
    // as wide (rounded to the nearest pixel).
    bool docked() const
    {
        const QRect query = form->frameGeometry();
        const QRect side = panel()->frameGeometry();
        return side.topLeft() == QPoint(query.right() + 1, query.top())
            && side.height() == query.height() && side.width() == qRound(query.width() / 2.0);
    }
    bool inInputState() const
    {
        return form->findChild<QPushButton *>(u"Command3"_s)->isVisibleTo(form.get())
            && !form->findChild<QLineEdit *>(u"Text1(2)"_s)->isVisibleTo(form.get());
    }
};

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { registerFontSubstitutes(); }

    void theFirstTickLoadsThePanelHidden()
    {
        const Harness h;
        QVERIFY(!h.panel());
        QTRY_VERIFY(h.panel());
        QVERIFY(!h.panel()->isVisible());
        QTRY_VERIFY(h.docked());
        QVERIFY(!h.panel()->isVisible());
    }

    void aPanelLoadedBeforeTheFrameExistsTakesTheFramedSize()
    {
        const Harness h(false);
        // Loaded before the query window has a frame: sized from its client area alone.
        Form2 &panel = h.form->instructions().form2();
        QCOMPARE(panel.height(), h.form->height());
        h.form->show();
        QVERIFY(h.form->frameGeometry().height() > h.form->height());
        h.clickInstructions();
        QTRY_VERIFY(h.docked());
        // The framed size is fixed too, so no one can resize the panel.
        QCOMPARE(panel.minimumSize(), panel.size());
        QCOMPARE(panel.maximumSize(), panel.size());
    }

    // Docking moves the panel and nothing else: a tick that sized it too would undo any size
    // the panel was given since it loaded.
    void aTickNeverResizesThePanel()
    {
        const Harness h;
        h.clickInstructions();
        QTRY_VERIFY(h.docked());
        Form2 &panel = *h.panel();
        const QSize other = panel.size() - QSize(40, 30);
        panel.setFixedSize(other);
        h.form->move(h.form->pos() + QPoint(20, 20));
        h.form->instructions().Timer1_Timer();
        QCOMPARE(panel.size(), other);
        QCOMPARE(panel.pos(), QPoint(h.form->frameGeometry().right() + 1, h.form->y()));
    }

    // The panel has no taskbar button, so it goes with a minimised query window and comes back
    // as it was; the button goes on flipping it from there.
    void minimisingTheQueryWindowTakesThePanelAlong()
    {
        const Harness h;
        h.clickInstructions();
        QVERIFY(h.panel()->isVisible());
        h.form->showMinimized();
        QVERIFY(!h.panel()->isVisible());
        h.form->showNormal();
        QVERIFY(h.panel()->isVisible());
        h.clickInstructions();
        QVERIFY(!h.panel()->isVisible());

        h.form->showMinimized();
        h.form->showNormal();
        QVERIFY(!h.panel()->isVisible());
        h.clickInstructions();
        QVERIFY(h.panel()->isVisible());
        QTRY_VERIFY(h.docked());
    }

    void clicksShowAndHideItDocked()
    {
        const Harness h;
        QVERIFY(QTest::qWaitForWindowExposed(h.form.get()));
        h.clickInstructions();
        QVERIFY(h.panel()->isVisible());
        QTRY_VERIFY(h.docked());

        h.clickInstructions();
        QVERIFY(!h.panel()->isVisible());
        // Hidden, it is still kept in place, and shows there at once.
        h.form->move(h.form->pos() + QPoint(-40, 30));
        QTRY_VERIFY(h.docked());
        h.clickInstructions();
        QVERIFY(h.panel()->isVisible());
        QVERIFY(h.docked());
        QVERIFY(h.inInputState());
    }

    void aClickBeforeTheFirstTickLoadsThePanelAndShowsIt()
    {
        const Harness h;
        QVERIFY(!h.panel());
        h.clickInstructions();
        QVERIFY(h.panel());
        QVERIFY(h.panel()->isVisible());
        QVERIFY(h.docked());
    }

    void thePanelFollowsAMove()
    {
        const Harness h;
        h.clickInstructions();
        for (const QPoint step : {QPoint(25, 0), QPoint(0, -17), QPoint(-300, 200)}) {
            h.form->move(h.form->pos() + step);
            QTRY_VERIFY(h.docked());
        }
        // Past the screen's right edge nothing keeps it on the screen.
        const QRect screen = h.form->screen()->geometry();
        h.form->move(screen.right() - 100, 50);
        QTRY_VERIFY(h.docked());
        QVERIFY(h.panel()->frameGeometry().left() > screen.right());
    }

    void aMovedPanelIsPutBackByTheNextTick()
    {
        const Harness h;
        h.clickInstructions();
        QTRY_VERIFY(h.docked());
        h.panel()->move(h.panel()->pos() + QPoint(50, 50));
        QTRY_VERIFY(h.docked());
    }

    void ticksAndClicksLeaveTheDisplayStateAlone()
    {
        const Harness h;
        const QString sfzh = h.form->results().sfzh[10];
        const QString zkzh = h.form->results().zkzh[10];
        QTest::keyClicks(h.form->findChild<QLineEdit *>(u"Text1(0)"_s), sfzh);
        QTest::keyClicks(h.form->findChild<QLineEdit *>(u"Text1(1)"_s), zkzh);
        QTest::mouseClick(h.form->findChild<QPushButton *>(u"Command3"_s), Qt::LeftButton);
        QVERIFY(!h.inInputState());
        h.clickInstructions();
        h.form->instructions().Timer1_Timer();
        h.clickInstructions();
        QVERIFY(!h.inInputState());
        QCOMPARE(h.form->findChild<QLineEdit *>(u"Text1(0)"_s)->text(), sfzh);
        QCOMPARE(h.form->findChild<QLineEdit *>(u"Text1(2)"_s)->text(), h.form->results().xm[10]);
    }

    void thePanelIsABorderlessUnownedToolWindow()
    {
        const Harness h;
        Form2 &panel = h.form->instructions().form2();
        QVERIFY(!panel.parentWidget());
        QVERIFY(panel.windowFlags().testFlag(Qt::FramelessWindowHint));
        QCOMPARE(panel.windowType(), Qt::Tool);
        QCOMPARE(panel.windowTitle(), u"软件使用说明"_s);

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
        QVERIFY(!label->text().endsWith(u'\n'));
    }

    void closingWithThePanelShownEndsTheProgram()
    {
        const Harness h;
        h.clickInstructions();
        QVERIFY(h.panel()->isVisible());
        h.form->close();
        QCOMPARE(h.ends, 1);
    }
};

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
