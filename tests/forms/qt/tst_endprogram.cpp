// End, as the program itself takes it: closing the query window with the instructions panel
// shown stops the event loop, leaves no window on the screen, and no tick runs afterwards. It
// has a process of its own because End stays in force once taken.
#include "app/projectsettings.h"
#include "app/qtapplication.h"
#include "app/startup.h"
#include "forms/qt/qtruntime.h"
#include "forms/qt/qtwindow.h"
#include "ui/instructions/form2.h"
#include "ui/query/form1.h"

#include <QEventLoop>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace Qt::StringLiterals;

class TestEndProgram : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void closingTheWindowEndsEverything()
    {
        // The program's own start-up on the runtime's own hooks: the real End.
        prepareApplication();
        qtforms::QtRuntime runtime(projectsettings::identity);
        const auto form1 = startProgram(runtime);
        QWidget &form = static_cast<qtforms::QtWindow &>(form1->window()).widget();
        QTest::mouseClick(form.findChild<QPushButton *>(u"Command4"_s), Qt::LeftButton);
        Form2 *loaded = form1->instructions().loadedForm2();
        QVERIFY(loaded);
        QWidget &panel = static_cast<qtforms::QtWindow &>(loaded->window()).widget();
        QVERIFY(panel.isVisible());
        QSignalSpy ticks(form.findChild<QTimer *>(u"Timer1"_s), &QTimer::timeout);
        QVERIFY(ticks.wait());

        QEventLoop loop; // stands for the program's event loop
        QTimer::singleShot(0, &form, [&form] { form.close(); });
        QCOMPARE(loop.exec(), 0);

        QVERIFY(!form.isVisible());
        QVERIFY(!panel.isVisible());
        ticks.clear();
        QTest::qWait(300);
        QCOMPARE(ticks.count(), 0);
    }
};

QTEST_MAIN(TestEndProgram)
#include "tst_endprogram.moc"
