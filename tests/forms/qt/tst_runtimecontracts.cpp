// What forms/runtime.h promises of every runtime, kept by the Qt runtime: a handler replaces the
// one set before, a window without a timer refuses a timer handler, a design whose text box
// names a missing label makes no window, and the message box and the application carry the
// identity the runtime was given.
#include "forms/qt/qtruntime.h"
#include "forms/qt/qtwindow.h"
#include "tests/forms/qt/messageboxwatch.h"
#include "tests/forms/unlabelleddesign.h"
#include "ui/instructions/form2design.h"
#include "ui/query/form1design.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

constexpr forms::Identity probe {.title = u"试验程序", .asciiName = "probe", .version = "2.5"};

} // namespace

class TestRuntimeContracts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aClickHandlerReplacesTheOneBefore()
    {
        qtforms::QtRuntime runtime(probe);
        const auto window = runtime.createWindow(form1design::window, nullptr);
        int first = 0;
        int second = 0;
        window->control("Command3").onClick([&first] { ++first; });
        window->control("Command3").onClick([&second] { ++second; });
        window->setVisible(true);
        auto *button = static_cast<qtforms::QtWindow &>(*window).widget().findChild<QPushButton *>(
            u"Command3"_s);
        QVERIFY(button != nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        QCOMPARE(first, 0);
        QCOMPARE(second, 1);
    }

    void aTimerHandlerReplacesTheOneBefore()
    {
        qtforms::QtRuntime runtime(probe);
        const auto window = runtime.createWindow(form1design::window, nullptr);
        int first = 0;
        int second = 0;
        window->onTimer([&first] { ++first; });
        window->onTimer([&second] { ++second; });
        QTRY_VERIFY(second >= 2);
        QCOMPARE(first, 0);
    }

    void aWindowWithoutATimerRefusesATimerHandler()
    {
        qtforms::QtRuntime runtime(probe);
        const auto query = runtime.createWindow(form1design::window, nullptr);
        const auto panel = runtime.createWindow(form2design::window, query.get());
        QVERIFY_THROWS_EXCEPTION(std::logic_error, panel->onTimer([] {}));
    }

    void aTextBoxLabelledByAMissingLabelMakesNoWindow()
    {
        const forms::WindowDesign unlabelled = unlabelleddesign::window();
        const qsizetype before = QApplication::topLevelWidgets().size();
        qtforms::QtRuntime runtime(probe);
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, runtime.createWindow(unlabelled, nullptr));
        QCOMPARE(QApplication::topLevelWidgets().size(), before);
    }

    void theIdentityNamesTheApplicationAndCaptionsTheMessageBox()
    {
        qtforms::QtRuntime runtime(probe);
        QCOMPARE(QCoreApplication::applicationName(), u"probe"_s);
        QCOMPARE(QCoreApplication::applicationVersion(), u"2.5"_s);
        const auto window = runtime.createWindow(form1design::window, nullptr);
        window->setVisible(true);
        QString title;
        QString text;
        const MessageBoxWatch watch([&title, &text](QMessageBox &box) {
            title = box.windowTitle();
            text = box.text();
        });
        runtime.msgBox(*window, u"提示");
        QCOMPARE(title, u"试验程序"_s);
        QCOMPARE(text, u"提示"_s);
    }
};

QTEST_MAIN(TestRuntimeContracts)
#include "tst_runtimecontracts.moc"
