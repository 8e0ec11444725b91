// Long use: thousands of lookups through clicks and tens of thousands of timer ticks with
// window moves and panel toggles, checking that nothing drifts: display state, geometry, the
// number of windows and the process's memory.
#include "forms/qt/fontsubstitutes.h"
#include "tests/forms/qt/qtprogram.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Resident memory of this process in KiB.
long residentKib()
{
    QFile statm(u"/proc/self/statm"_s);
    if (!statm.open(QIODevice::ReadOnly)) {
        return -1;
    }
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.value(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

} // namespace

class TestSoak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qtforms::registerFontSubstitutes(); }

    void lookupsAndTicksDoNotDrift()
    {
        // A recorded message box stands for the user pressing OK at once.
        const QtProgram program;
        QWidget &form = program.window();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        auto *sfzh = program.control<QLineEdit>(u"Text1(0)"_s);
        auto *zkzh = program.control<QLineEdit>(u"Text1(1)"_s);
        auto *name = program.control<QLineEdit>(u"Text1(2)"_s);
        auto *confirm = program.control<QPushButton>(u"Command3"_s);
        auto *again = program.control<QPushButton>(u"Command1"_s);
        auto *instructions = program.control<QPushButton>(u"Command4"_s);
        const ResultTable &table = program.results();
        Form2Dock &dock = program.form1().instructions();
        dock.Timer1_Timer();
        const qsizetype windows = QApplication::topLevelWidgets().size();

        long baseline = 0;
        constexpr int cycles = 5000;
        for (int cycle = 0; cycle < cycles; ++cycle) {
            const auto record = std::size_t(cycle % ResultTable::lastRecord + 1);
            sfzh->setText(QStringView(table.sfzh[record]).toString());
            zkzh->setText(QStringView(table.zkzh[record]).toString());
            QTest::mouseClick(confirm, Qt::LeftButton);
            QCOMPARE(name->text(), QStringView(table.xm[record]).toString());
            QTest::mouseClick(again, Qt::LeftButton);

            sfzh->setText(QStringView(table.sfzh[record]).toString());
            zkzh->setText(QStringView(table.zkzh[record % ResultTable::lastRecord + 1]).toString());
            QTest::mouseClick(confirm, Qt::LeftButton);
            QVERIFY(sfzh->text().isEmpty() && name->isHidden() && confirm->isVisible());
            if (cycle == 500) {
                baseline = residentKib();
            }
            // Between clicks a user's event loop paints and tidies up.
            QCoreApplication::processEvents();
        }
        QCOMPARE(program.prompts.size(), cycles);

        const QPoint start = form.pos();
        constexpr int ticks = 20000;
        for (int tick = 1; tick <= ticks; ++tick) {
            if (tick % 10 == 0) {
                const int step = (tick / 10) % 2 == 0 ? 3 : -3;
                form.move(form.pos() + QPoint(step, -step));
            }
            if (tick % 1000 == 0) {
                QTest::mouseClick(instructions, Qt::LeftButton);
            }
            dock.Timer1_Timer();
            QCoreApplication::processEvents();
        }
        // The window system reports the last move after the tick that follows it.
        QCoreApplication::processEvents();
        dock.Timer1_Timer();

        QCOMPARE(form.pos(), start);
        const QRect query = form.frameGeometry();
        const QRect panel = program.panel()->frameGeometry();
        QCOMPARE(panel.topLeft(), QPoint(query.right() + 1, query.top()));
        QCOMPARE(panel.height(), query.height());
        QCOMPARE(program.panel()->isVisible(), false); // toggled an even number of times
        QVERIFY(confirm->isVisible() && name->isHidden());
        QCOMPARE(QApplication::topLevelWidgets().size(), windows);
        QCOMPARE(program.ends, 0);

        // AddressSanitizer holds freed memory back, so there LeakSanitizer checks for leaks.
#if !defined(__SANITIZE_ADDRESS__)
        const long growth = residentKib() - baseline;
        QVERIFY2(growth < 2048, qPrintable(u"resident memory grew by %1 KiB"_s.arg(growth)));
#else
        Q_UNUSED(baseline);
#endif
    }
};

QTEST_MAIN(TestSoak)
#include "tst_soak.moc"
