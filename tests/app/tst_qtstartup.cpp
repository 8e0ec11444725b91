// The Qt edition's start-up when a step fails: one message box over no window names what
// failed, no window is left, and the entry gets no program to run.
#include "app/projectsettings.h"
#include "app/qtstartup.h"
#include "forms/qt/qtruntime.h"
#include "ui/query/form1.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <system_error>

using namespace Qt::StringLiterals;

namespace {

// The Qt runtime whose window system refuses every window.
class RefusingRuntime : public qtforms::QtRuntime
{
public:
    RefusingRuntime()
        : qtforms::QtRuntime(projectsettings::identity)
    { }

    std::unique_ptr<forms::Window> createWindow(
        const forms::WindowDesign &design, forms::Window *) override
    {
        throw std::system_error(std::make_error_code(std::errc::not_enough_memory),
            "creating window " + std::string(design.name));
    }
};

} // namespace

class TestQtStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aFailedStepSaysWhatFailedInOneBoxAndStartsNothing()
    {
        RefusingRuntime runtime;
        QStringList boxes;
        // Every message box that opens is read and dismissed, so a second one would be counted
        // rather than block the test.
        QTimer dismiss;
        QObject::connect(&dismiss, &QTimer::timeout, [&boxes] {
            if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                boxes.append(box->windowTitle() + u'|' + box->text() + u'|'
                    + QString::number(box->buttons().size()) + u'|'
                    + (box->parentWidget() ? u"owned"_s : u"unowned"_s));
                box->buttons().constFirst()->click();
            }
        });
        dismiss.start(10);

        const std::unique_ptr<Form1> form1 = startQtProgram(runtime);
        dismiss.stop();
        QVERIFY(!form1);
        QCOMPARE(boxes.size(), 1);
        const QStringList parts = boxes.front().split(u'|');
        QCOMPARE(parts[0], u"工程1"_s);
        QVERIFY2(parts[1].startsWith(u"程序无法启动："_s)
                && parts[1].contains(u"creating window Form1"_s),
            qPrintable(parts[1]));
        QCOMPARE(parts[2], u"1"_s);
        QCOMPARE(parts[3], u"unowned"_s);
        QVERIFY(std::ranges::none_of(QApplication::topLevelWidgets(),
            [](const QWidget *window) { return window->isVisible(); }));
    }
};

QTEST_MAIN(TestQtStartup)
#include "tst_qtstartup.moc"
