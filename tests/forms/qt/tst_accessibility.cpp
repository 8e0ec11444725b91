// What a screen reader finds in the two windows and the message box: every text box named by
// its row's caption, every button by its caption, the instructions readable as text.
#include "forms/qt/fontsubstitutes.h"
#include "tests/forms/qt/messageboxwatch.h"
#include "tests/forms/qt/qtprogram.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

QAccessibleInterface *accessible(QObject *object)
{
    QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(object);
    if (!interface) {
        qFatal("no accessible interface for %s", qPrintable(object->objectName()));
    }
    return interface;
}

} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qtforms::registerFontSubstitutes(); }

    void textBoxesAreNamedByTheirRows_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("label");
        QTest::newRow("ID number") << 0 << u"身份证号"_s << u"Label1"_s;
        QTest::newRow("ticket number") << 1 << u"准考证号"_s << u"Label2"_s;
        QTest::newRow("name") << 2 << u"姓名"_s << u"Label3"_s;
        QTest::newRow("score") << 3 << u"成绩"_s << u"Label4"_s;
    }
    void textBoxesAreNamedByTheirRows()
    {
        QFETCH(int, index);
        QFETCH(QString, name);
        QFETCH(QString, label);
        const QtProgram program;
        auto *box = program.control<QLineEdit>(u"Text1(%1)"_s.arg(index));
        QAccessibleInterface *interface = accessible(box);
        QCOMPARE(interface->role(), QAccessible::EditableText);
        QCOMPARE(interface->text(QAccessible::Name), name);
        QCOMPARE(program.control<QLabel>(label)->buddy(), box);
    }

    void buttonsAreNamedByTheirCaptions_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("name");
        QTest::newRow("continue") << u"Command1"_s << u"继续查询"_s;
        QTest::newRow("exit") << u"Command2"_s << u"退出"_s;
        QTest::newRow("confirm") << u"Command3"_s << u"确定"_s;
        QTest::newRow("instructions, not six lines") << u"Command4"_s << u"软件使用说明"_s;
    }
    void buttonsAreNamedByTheirCaptions()
    {
        QFETCH(QString, button);
        QFETCH(QString, name);
        const QtProgram program;
        QAccessibleInterface *interface = accessible(program.control<QPushButton>(button));
        QCOMPARE(interface->role(), QAccessible::Button);
        QCOMPARE(interface->text(QAccessible::Name), name);
    }

    void theWindowsAreNamedAndTheInstructionsReadable()
    {
        const QtProgram program;
        QCOMPARE(accessible(&program.window())->text(QAccessible::Name),
            u"2020年Merrowdale公开招聘员额制工作人员笔试成绩查询软件"_s);

        QWidget &panel = program.loadPanel();
        QCOMPARE(accessible(&panel)->text(QAccessible::Name), u"软件使用说明"_s);
        QAccessibleInterface *text = accessible(panel.findChild<QLabel *>(u"Label1"_s));
        QCOMPARE(text->role(), QAccessible::StaticText);
        QVERIFY(text->text(QAccessible::Name).contains(u"3、身份证号如有字母，请输入大写字母。"_s));
    }

    void theMessageBoxReadsItsPrompt()
    {
        const QtProgram program(QtProgram::MessageBoxes::real);
        QString name;
        QString description;
        const MessageBoxWatch watch([&](QMessageBox &box) {
            name = accessible(&box)->text(QAccessible::Name);
            description = accessible(&box)->text(QAccessible::Description);
        });
        QTest::mouseClick(program.control<QPushButton>(u"Command3"_s), Qt::LeftButton);

        QCOMPARE(name, u"工程1"_s);
        QCOMPARE(description, u"身份证号或准考证号错误，请重新输入！"_s);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
