// The query window on the Qt runtime as a user meets it: focus, typing and pasting, the keyboard,
// the pixels, border, captions, fonts and colours of the design, centring with the frame, the
// ways out and the real message box. What the handlers do is tested without Qt in tests/ui.
#include "forms/qt/fontsubstitutes.h"
#include "tests/forms/qt/messageboxwatch.h"
#include "tests/forms/qt/qtprogram.h"

#include <QApplication>
#include <QClipboard>
#include <QGlyphRun>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRawFont>
#include <QScreen>
#include <QTest>
#include <QTextLayout>
#include <QTimer>

using namespace Qt::StringLiterals;

namespace {

// A record's value as the window shows it.
QString text(const ResultTable::Column &column, int record)
{
    return QStringView(column[std::size_t(record)]).toString();
}

// Types text key by key, as a user would; keyClicks() knows only ASCII keys, so anything else
// arrives as a key event that carries the character, as an input method delivers it.
void type(QWidget *widget, const QString &text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x80) {
            QTest::keyClick(widget, c.toLatin1());
        } else {
            QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
}

// The query window as start-up leaves it, with the user's ways of reaching its controls.
struct Harness : QtProgram
{
    using QtProgram::QtProgram;

    QLineEdit *text1(int index) const { return control<QLineEdit>(u"Text1(%1)"_s.arg(index)); }
    QPushButton *button(int number) const
    {
        return control<QPushButton>(u"Command%1"_s.arg(number));
    }
    QLabel *label(int number) const { return control<QLabel>(u"Label%1"_s.arg(number)); }

    void lookUp(const QString &sfzh, const QString &zkzh) const
    {
        type(text1(0), sfzh);
        type(text1(1), zkzh);
        QTest::mouseClick(button(3), Qt::LeftButton);
    }
    QString sfzh(int record) const { return text(results().sfzh, record); }
    QString zkzh(int record) const { return text(results().zkzh, record); }

    // What the window system draws of the controls that differ between the two display states.
    bool inInputState() const
    {
        return !shown(text1(2)) && !shown(text1(3)) && !shown(label(3)) && !shown(label(4))
            && !shown(button(1)) && !shown(button(2)) && shown(button(3));
    }
    bool inResultState() const
    {
        return shown(text1(2)) && shown(text1(3)) && shown(label(3)) && shown(label(4))
            && shown(button(1)) && shown(button(2)) && !shown(button(3));
    }
    bool shown(const QWidget *control) const { return control->isVisibleTo(&window()); }
    // A state change that hides the focused control moves the focus on to one that is shown.
    bool focusOnAShownControl() const
    {
        const QWidget *focus = QApplication::focusWidget();
        return focus && focus->window() == &window() && focus->isVisible();
    }
};

// Whether the font is the designed face or, where that is not installed, one of the
// substitutes registered for it.
bool isFace(const QFont &font, const QString &face)
{
    return (QStringList {face} + QFont::substitutes(face))
        .contains(font.family(), Qt::CaseInsensitive);
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { qtforms::registerFontSubstitutes(); }

    // The window is active with the caret in the ID-card box, and the window system draws the
    // input state.
    void atFirstShowTheFocusIsInTheFirstTextBox()
    {
        const Harness h;
        QVERIFY(QTest::qWaitForWindowActive(&h.window()));
        QCOMPARE(QApplication::focusWidget(), h.text1(0));
        QVERIFY(h.inInputState());
    }

    // Numbers copied from spreadsheet cells arrive with the cell's line break.
    void aPastedPairWithLineBreaksIsFound()
    {
        const Harness h;
        QGuiApplication::clipboard()->setText(h.sfzh(7) + u"\r\n"_s);
        QTest::keyClick(h.text1(0), Qt::Key_V, Qt::ControlModifier);
        QGuiApplication::clipboard()->setText(h.zkzh(7) + u"\n"_s);
        QTest::keyClick(h.text1(1), Qt::Key_V, Qt::ControlModifier);
        QTest::mouseClick(h.button(3), Qt::LeftButton);

        QVERIFY(h.prompts.isEmpty());
        QCOMPARE(h.text1(2)->text(), text(h.results().xm, 7));
    }

    // A name may use ideographs that the Song face lacks; each must still be drawn, from a face
    // that has it, rather than as an empty box.
    void theNameBoxDrawsCharactersTheSongFaceLacks()
    {
        const Harness h;
        const QFont boxFont = h.text1(2)->font();
        QFont songOnly(boxFont.family());
        songOnly.setStyleStrategy(QFont::NoFontMerging);
        const QRawFont song = QRawFont::fromFont(songOnly);
        QString name = u"王"_s;
        for (char32_t c = 0x4E00; c <= 0x9FA5 && name.size() < 3; ++c) {
            if (!song.supportsCharacter(c)) {
                name += QChar(c);
            }
        }
        QCOMPARE(name.size(), 3);
        h.text1(2)->setText(name);

        const QFont drawnFont = h.text1(2)->font();
        QTextLayout layout(h.text1(2)->text(), drawnFont);
        layout.beginLayout();
        layout.createLine();
        layout.endLayout();
        for (int i = 0; i < name.size(); ++i) {
            const QList<QGlyphRun> runs = layout.glyphRuns(i, 1);
            QCOMPARE(runs.size(), 1);
            const QRawFont drawnFrom = runs.first().rawFont();
            QVERIFY2(drawnFrom.supportsCharacter(name[i]), qPrintable(drawnFrom.familyName()));
            QVERIFY(!runs.first().glyphIndexes().contains(0));
            // The Song face keeps what it has; the rest comes from the installed Hei face.
            const QString face = i == 0 ? boxFont.family() : drawnFont.families().value(1);
            QCOMPARE(drawnFrom.familyName(), face);
        }
        QVERIFY(isFace(QFont(drawnFont.families().value(1)), u"黑体"_s));
        QCOMPARE(drawnFont.pixelSize(), boxFont.pixelSize());

        // A name the Song face covers needs no second face, nor what looking for one costs.
        const Harness other;
        other.text1(2)->setText(text(other.results().xm, 1));
        QCOMPARE(other.text1(2)->font(), boxFont);
    }

    // The result boxes take typing like any text box; "继续查询", clicked with the mouse, empties
    // them and the window system draws the input state again.
    void theResultBoxesTakeTypingUntilContinue()
    {
        const Harness h;
        QVERIFY(QTest::qWaitForWindowActive(&h.window()));
        h.lookUp(h.sfzh(5), h.zkzh(5));
        QVERIFY(h.inResultState());
        QVERIFY(h.focusOnAShownControl());
        QCOMPARE(h.text1(2)->text(), text(h.results().xm, 5));
        type(h.text1(2), u"改"_s);
        type(h.text1(3), u"100"_s);
        QCOMPARE(h.text1(2)->text(), text(h.results().xm, 5) + u"改"_s);
        QCOMPARE(h.text1(3)->text(), text(h.results().cj, 5) + u"100"_s);

        QTest::mouseClick(h.button(1), Qt::LeftButton);
        QVERIFY(h.inInputState());
        QVERIFY(h.focusOnAShownControl());
        for (int i = 0; i < 4; ++i) {
            QVERIFY(h.text1(i)->text().isEmpty());
        }
    }

    void tabFollowsTheDesignInBothStates()
    {
        const Harness h;
        QVERIFY(QTest::qWaitForWindowActive(&h.window()));
        const auto tabCycle = [&h](int steps) {
            QList<QString> names {QApplication::focusWidget()->objectName()};
            for (int i = 0; i < steps; ++i) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                names.append(QApplication::focusWidget()->objectName());
            }
            return names;
        };
        QCOMPARE(tabCycle(4),
            (QList<QString> {
                u"Text1(0)"_s, u"Text1(1)"_s, u"Command3"_s, u"Command4"_s, u"Text1(0)"_s}));

        h.lookUp(h.sfzh(3), h.zkzh(3));
        QVERIFY(h.inResultState());
        QVERIFY(h.focusOnAShownControl());
        h.text1(0)->setFocus();
        QCOMPARE(tabCycle(7),
            (QList<QString> {u"Text1(0)"_s, u"Text1(1)"_s, u"Text1(2)"_s, u"Text1(3)"_s,
                u"Command1"_s, u"Command2"_s, u"Command4"_s, u"Text1(0)"_s}));
    }

    void enterAndEscInATextBoxClickNothing()
    {
        const Harness h;
        QVERIFY(QTest::qWaitForWindowActive(&h.window()));
        type(h.text1(0), h.sfzh(1));
        type(h.text1(1), h.zkzh(1));
        for (QLineEdit *box : {h.text1(0), h.text1(1)}) {
            for (auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                QTest::keyClick(box, key);
            }
        }
        QVERIFY(h.inInputState());
        QVERIFY(h.focusOnAShownControl());
        QVERIFY(h.prompts.isEmpty());
        QCOMPARE(h.ends, 0);
        QCOMPARE(h.text1(0)->text(), h.sfzh(1));
    }

    void aFocusedButtonIsClickedBySpaceAndEnter_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("space") << Qt::Key_Space;
        QTest::newRow("enter") << Qt::Key_Return;
    }
    void aFocusedButtonIsClickedBySpaceAndEnter()
    {
        QFETCH(Qt::Key, key);
        const Harness h;
        QVERIFY(QTest::qWaitForWindowActive(&h.window()));
        type(h.text1(0), h.sfzh(2));
        type(h.text1(1), h.zkzh(2));
        h.button(3)->setFocus();
        QTest::keyClick(h.button(3), key);
        QVERIFY(h.inResultState());
        // "确    定" had the focus and is hidden now.
        QVERIFY(h.focusOnAShownControl());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QVERIFY(h.focusOnAShownControl());
    }

    // A click on "确    定" gives it the focus before it hides itself.
    void afterAClickOnConfirmTheFocusIsOnAShownControl()
    {
        const Harness h;
        QVERIFY(QTest::qWaitForWindowActive(&h.window()));
        h.lookUp(h.sfzh(4), h.zkzh(4));
        QVERIFY(h.inResultState());
        QVERIFY(h.focusOnAShownControl());
        QTest::mouseClick(h.button(1), Qt::LeftButton);
        QVERIFY(h.inInputState());
        QVERIFY(h.focusOnAShownControl());
    }

    // The runtime sets the designed interval on the timer it runs, and runs it from the start.
    void timer1TicksEvery50Ms()
    {
        const Harness h;
        const auto *timer = h.window().findChild<QTimer *>(u"Timer1"_s);
        QVERIFY(timer);
        QCOMPARE(timer->interval(), 50);
        QVERIFY(timer->isActive());
        QVERIFY(!timer->isSingleShot());
    }

    void controlsStandAtTheirDesignedPixels_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        // Twips divided by 15.
        QTest::newRow("Text1(0)") << u"Text1(0)"_s << QRect(232, 88, 241, 33);
        QTest::newRow("Text1(1)") << u"Text1(1)"_s << QRect(232, 128, 241, 33);
        QTest::newRow("Text1(2)") << u"Text1(2)"_s << QRect(232, 168, 241, 33);
        QTest::newRow("Text1(3)") << u"Text1(3)"_s << QRect(232, 208, 241, 33);
        QTest::newRow("Label1") << u"Label1"_s << QRect(104, 88, 121, 33);
        QTest::newRow("Label2") << u"Label2"_s << QRect(104, 128, 121, 33);
        QTest::newRow("Label3") << u"Label3"_s << QRect(104, 168, 121, 33);
        QTest::newRow("Label4") << u"Label4"_s << QRect(104, 208, 121, 33);
        QTest::newRow("Command1") << u"Command1"_s << QRect(112, 264, 153, 41);
        QTest::newRow("Command2") << u"Command2"_s << QRect(336, 264, 153, 41);
        QTest::newRow("Command3") << u"Command3"_s << QRect(184, 192, 217, 41);
        QTest::newRow("Label5") << u"Label5"_s << QRect(48, 24, 521, 33);
        QTest::newRow("Label6") << u"Label6"_s << QRect(480, 88, 49, 25);
        QTest::newRow("Label7") << u"Label7"_s << QRect(480, 128, 49, 25);
        QTest::newRow("Label8") << u"Label8"_s << QRect(424, 312, 177, 25);
        QTest::newRow("Command4") << u"Command4"_s << QRect(584, 104, 25, 105);
    }
    void controlsStandAtTheirDesignedPixels()
    {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        const Harness h;
        QCOMPARE(h.control<QWidget>(name)->geometry(), pixels);
    }

    void theWindowHasAFixedSingleBorder()
    {
        const Harness h;
        QCOMPARE(h.window().size(), QSize(606, 335));
        QCOMPARE(h.window().minimumSize(), h.window().maximumSize());
        QCOMPARE(
            h.window().windowTitle(), u"2020年Merrowdale公开招聘员额制工作人员笔试成绩查询软件"_s);
        const Qt::WindowFlags flags = h.window().windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        // Two controls reach past the client area and are cut off there.
        QCOMPARE(h.button(4)->geometry().right() + 1, 609);
        QCOMPARE(h.label(8)->geometry().bottom() + 1, 337);
    }

    void captionsFontsAndColours()
    {
        const Harness h;
        QVERIFY(isFace(h.window().font(), u"宋体"_s));
        QCOMPARE(h.window().font().pixelSize(), 24);
        QCOMPARE(h.text1(0)->font().pixelSize(), 24);
        QCOMPARE(h.label(3)->text(), u"姓    名："_s);
        QCOMPARE(h.label(4)->text(), u"成    绩："_s);
        QCOMPARE(h.button(2)->text(), u"退    出"_s);
        QCOMPARE(h.button(3)->text(), u"确    定"_s);

        const QColor red(255, 0, 0);
        QVERIFY(isFace(h.label(5)->font(), u"黑体"_s));
        QVERIFY(isFace(h.label(6)->font(), u"黑体"_s));
        QVERIFY(isFace(h.label(8)->font(), u"宋体"_s));
        QCOMPARE(h.label(5)->font().pixelSize(), 20);
        QCOMPARE(h.label(5)->font().weight(), QFont::Bold);
        QCOMPARE(h.label(5)->palette().color(QPalette::WindowText), red);
        for (int n : {6, 7}) {
            QCOMPARE(h.label(n)->text(), u"*"_s);
            QCOMPARE(h.label(n)->font().pixelSize(), 24);
            QCOMPARE(h.label(n)->font().weight(), QFont::Bold);
            QCOMPARE(h.label(n)->palette().color(QPalette::WindowText), red);
        }
        QCOMPARE(h.label(8)->text(), u"Quenwick制"_s);
        QCOMPARE(h.label(8)->font().pixelSize(), 19);
        QVERIFY(h.label(8)->palette().color(QPalette::WindowText) != red);
        QCOMPARE(h.label(1)->alignment(), Qt::AlignLeft | Qt::AlignTop);

        // The narrow button reads as a column of six characters.
        QCOMPARE(h.button(4)->text(), u"软\n件\n使\n用\n说\n明"_s);
        QCOMPARE(h.button(4)->font().pixelSize(), 16);
    }

    void loadCentresTheFramedWindowOnThePrimaryScreen()
    {
        const Harness h;
        const QRect screen = QGuiApplication::primaryScreen()->geometry();
        const auto centredWithinAPixel = [&] {
            const QRect frame = h.window().frameGeometry();
            return std::abs(frame.left() - (screen.right() - frame.right())) <= 1
                && std::abs(frame.top() - (screen.bottom() - frame.bottom())) <= 1;
        };
        QTRY_VERIFY(centredWithinAPixel());
    }

    // The close box sends the window a close event; "退    出" is clicked with the mouse.
    void closingOrExitEndsTheProgram()
    {
        {
            const Harness h;
            QVERIFY(h.window().close());
            QCOMPARE(h.ends, 1);
        }
        {
            const Harness h;
            h.lookUp(h.sfzh(9), h.zkzh(9));
            QTest::mouseClick(h.button(2), Qt::LeftButton);
            QCOMPARE(h.ends, 1);
        }
    }

    void theRealMessageBox()
    {
        const Harness h(QtProgram::MessageBoxes::real);
        QString title;
        QString text;
        QList<QString> buttons;
        QMessageBox::Icon icon = QMessageBox::Warning;
        bool modal = false;
        QWidget *owner = nullptr;
        const MessageBoxWatch watch([&](QMessageBox &box) {
            title = box.windowTitle();
            text = box.text();
            icon = box.icon();
            modal = box.isModal();
            owner = box.parentWidget();
            for (QAbstractButton *button : box.buttons()) {
                buttons.append(button->text());
            }
        });
        QTest::mouseClick(h.button(3), Qt::LeftButton);

        QCOMPARE(title, u"工程1"_s);
        QCOMPARE(text, u"身份证号或准考证号错误，请重新输入！"_s);
        QCOMPARE(buttons, QList<QString> {u"确定"_s});
        QCOMPARE(icon, QMessageBox::NoIcon);
        QVERIFY(modal);
        QCOMPARE(owner, &h.window());
        QCOMPARE(h.ends, 0);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
