// The query window as a user meets it: start-up, a lookup that finds a candidate, one that
// does not, "继续查询", the keyboard, the design, and the ways out.
#include "app/fontsubstitutes.h"
#include "tests/ui/messageboxwatch.h"
#include "ui/query/form1.h"

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
#include <memory>

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

struct Observed
{
    QList<QString> prompts;
    QList<QWidget *> owners;
    int ends = 0;
};

// A shown query window whose message box and End are recorded instead of acted on.
struct Harness
{
    Observed seen;
    std::unique_ptr<Form1> form;

    Harness()
    {
        Form1Hooks hooks;
        hooks.msgBox = [this](QWidget *owner, const QString &prompt) {
            seen.owners.append(owner);
            seen.prompts.append(prompt);
        };
        hooks.end = [this] { ++seen.ends; };
        form = std::make_unique<Form1>(std::move(hooks));
        form->Form_Load();
        form->show();
    }

    template<typename T> T *control(const QString &name) const
    {
        auto *found = form->findChild<T *>(name);
        if (!found) {
            qFatal("no control %s", qPrintable(name));
        }
        return found;
    }
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
    QString sfzh(int record) const { return text(form->results().sfzh, record); }
    QString zkzh(int record) const { return text(form->results().zkzh, record); }

    // The controls that differ between the two display states, by state.
    bool inInputState() const
    {
        return !text1(2)->isVisibleTo(form.get()) && !text1(3)->isVisibleTo(form.get())
            && !label(3)->isVisibleTo(form.get()) && !label(4)->isVisibleTo(form.get())
            && !button(1)->isVisibleTo(form.get()) && !button(2)->isVisibleTo(form.get())
            && button(3)->isVisibleTo(form.get());
    }
    bool inResultState() const
    {
        return text1(2)->isVisibleTo(form.get()) && text1(3)->isVisibleTo(form.get())
            && label(3)->isVisibleTo(form.get()) && label(4)->isVisibleTo(form.get())
            && button(1)->isVisibleTo(form.get()) && button(2)->isVisibleTo(form.get())
            && !button(3)->isVisibleTo(form.get());
    }
    bool untouchedControlsShown() const
    {
        for (int n : {1, 2, 5, 6, 7, 8}) {
            if (!label(n)->isVisibleTo(form.get())) {
                return false;
            }
        }
        return text1(0)->isVisibleTo(form.get()) && text1(1)->isVisibleTo(form.get())
            && button(4)->isVisibleTo(form.get());
    }
};

// Whether the font is the designed face or, where that is not installed, one of the
// substitutes registered for it.
bool isFace(const QFont &font, const QString &face)
{
    return (QStringList {face} + QFont::substitutes(face))
        .contains(font.family(), Qt::CaseInsensitive);
}

// The first record whose column value satisfies the predicate.
template<typename Predicate> int findRecord(const ResultTable &table, Predicate predicate)
{
    for (int i = ResultTable::firstRecord; i <= ResultTable::lastRecord; ++i) {
        if (predicate(table, std::size_t(i))) {
            return i;
        }
    }
    return 0;
}

} // namespace

class TestForm1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { registerFontSubstitutes(); }

    void startsInTheInputStateWithEmptyBoxes()
    {
        const Harness h;
        QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
        QVERIFY(h.inInputState());
        QVERIFY(h.untouchedControlsShown());
        for (int i = 0; i < 4; ++i) {
            QVERIFY(h.text1(i)->text().isEmpty());
        }
        QCOMPARE(QApplication::focusWidget(), h.text1(0));
        QCOMPARE(h.seen.ends, 0);
        QVERIFY(h.seen.prompts.isEmpty());
    }

    void loadFillsEveryRecordAndNoSpareSlot()
    {
        const Harness h;
        const ResultTable &table = h.form->results();
        for (const ResultTable::Column *column : {&table.sfzh, &table.zkzh, &table.xm, &table.cj}) {
            QVERIFY(column->front().empty());
            QVERIFY(column->back().empty());
            QVERIFY(std::none_of(column->begin() + 1, column->end() - 1,
                [](std::u16string_view value) { return value.empty(); }));
        }
    }

    void aHitShowsNameAndScore_data()
    {
        const Harness h;
        const ResultTable &table = h.form->results();
        QTest::addColumn<int>("record");
        QTest::newRow("first record") << 1;
        QTest::newRow("last record") << 1117;
        QTest::newRow("absent from the test")
            << findRecord(table, [](auto &t, auto i) { return t.cj[i] == u"缺考"; });
        QTest::newRow("ID number ending in X")
            << findRecord(table, [](auto &t, auto i) { return t.sfzh[i].ends_with(u'X'); });
        QTest::newRow("score with one fractional digit") << findRecord(
            table, [](auto &t, auto i) { return t.cj[i].size() == 4 && t.cj[i][2] == u'.'; });
        QTest::newRow("whole score") << findRecord(
            table, [](auto &t, auto i) { return t.cj[i].size() == 2 && t.cj[i] != u"缺考"; });
    }
    void aHitShowsNameAndScore()
    {
        QFETCH(int, record);
        QVERIFY(record >= 1);
        const Harness h;
        h.lookUp(h.sfzh(record), h.zkzh(record));

        QVERIFY(h.seen.prompts.isEmpty());
        QVERIFY(h.inResultState());
        QVERIFY(h.untouchedControlsShown());
        QCOMPARE(h.text1(0)->text(), h.sfzh(record));
        QCOMPARE(h.text1(1)->text(), h.zkzh(record));
        QCOMPARE(h.text1(2)->text(), text(h.form->results().xm, record));
        // The score is shown exactly as stored, never padded or rounded.
        QCOMPARE(h.text1(3)->text(), text(h.form->results().cj, record));
        QCOMPARE(h.seen.ends, 0);
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

        QVERIFY(h.seen.prompts.isEmpty());
        QCOMPARE(h.text1(2)->text(), h.form->results().xm[7]);
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
        other.text1(2)->setText(other.form->results().xm[1]);
        QCOMPARE(other.text1(2)->font(), boxFont);
    }

    void aMissSaysSoAndEmptiesOnlyTheInputs_data()
    {
        const Harness h;
        const int x = findRecord(
            h.form->results(), [](auto &t, auto i) { return t.sfzh[i].ends_with(u'X'); });
        QString fullWidth = h.sfzh(1);
        for (QChar &c : fullWidth) {
            c = QChar(c.unicode() - u'0' + 0xFF10);
        }
        QTest::addColumn<QString>("sfzh");
        QTest::addColumn<QString>("zkzh");
        QTest::newRow("both empty") << QString() << QString();
        QTest::newRow("ticket number empty") << h.sfzh(1) << QString();
        QTest::newRow("ID number empty") << QString() << h.zkzh(1);
        QTest::newRow("lower-case x") << h.sfzh(x).replace(u'X', u'x') << h.zkzh(x);
        QTest::newRow("leading blank") << u" "_s + h.sfzh(1) << h.zkzh(1);
        QTest::newRow("trailing blank") << h.sfzh(1) << h.zkzh(1) + u" "_s;
        QTest::newRow("numbers in each other's box") << h.zkzh(1) << h.sfzh(1);
        QTest::newRow("numbers of two records") << h.sfzh(1) << h.zkzh(2);
        QTest::newRow("full-width digits") << fullWidth << h.zkzh(1);
    }
    void aMissSaysSoAndEmptiesOnlyTheInputs()
    {
        QFETCH(QString, sfzh);
        QFETCH(QString, zkzh);
        const Harness h;
        h.lookUp(sfzh, zkzh);

        QCOMPARE(h.seen.prompts, QList<QString> {u"身份证号或准考证号错误，请重新输入！"_s});
        QCOMPARE(h.seen.owners, QList<QWidget *> {h.form.get()});
        QVERIFY(h.text1(0)->text().isEmpty());
        QVERIFY(h.text1(1)->text().isEmpty());
        QVERIFY(h.text1(2)->text().isEmpty());
        QVERIFY(h.text1(3)->text().isEmpty());
        QVERIFY(h.inInputState());
        QVERIFY(h.untouchedControlsShown());
    }

    void continueReturnsToTheInputStateForASecondLookup()
    {
        const Harness h;
        h.lookUp(h.sfzh(5), h.zkzh(5));
        QVERIFY(h.inResultState());
        // What the user types into the result boxes is discarded.
        type(h.text1(2), u"改"_s);
        type(h.text1(3), u"100"_s);
        QCOMPARE(h.text1(2)->text(), text(h.form->results().xm, 5) + u"改"_s);

        QTest::mouseClick(h.button(1), Qt::LeftButton);
        QVERIFY(h.inInputState());
        for (int i = 0; i < 4; ++i) {
            QVERIFY(h.text1(i)->text().isEmpty());
        }

        h.lookUp(h.sfzh(700), h.zkzh(700));
        QVERIFY(h.inResultState());
        QCOMPARE(h.text1(2)->text(), text(h.form->results().xm, 700));
        QCOMPARE(h.text1(3)->text(), text(h.form->results().cj, 700));
        QVERIFY(h.seen.prompts.isEmpty());
    }

    void tabFollowsTheDesignInBothStates()
    {
        const Harness h;
        QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
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
        h.text1(0)->setFocus();
        QCOMPARE(tabCycle(7),
            (QList<QString> {u"Text1(0)"_s, u"Text1(1)"_s, u"Text1(2)"_s, u"Text1(3)"_s,
                u"Command1"_s, u"Command2"_s, u"Command4"_s, u"Text1(0)"_s}));
    }

    void enterAndEscInATextBoxClickNothing()
    {
        const Harness h;
        QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
        type(h.text1(0), h.sfzh(1));
        type(h.text1(1), h.zkzh(1));
        for (QLineEdit *box : {h.text1(0), h.text1(1)}) {
            for (auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
                QTest::keyClick(box, key);
            }
        }
        QVERIFY(h.inInputState());
        QVERIFY(h.seen.prompts.isEmpty());
        QCOMPARE(h.seen.ends, 0);
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
        QVERIFY(QTest::qWaitForWindowActive(h.form.get()));
        type(h.text1(0), h.sfzh(2));
        type(h.text1(1), h.zkzh(2));
        h.button(3)->setFocus();
        QTest::keyClick(h.button(3), key);
        QVERIFY(h.inResultState());
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
        QCOMPARE(h.form->size(), QSize(606, 335));
        QCOMPARE(h.form->minimumSize(), h.form->maximumSize());
        QCOMPARE(
            h.form->windowTitle(), u"2020年Merrowdale公开招聘员额制工作人员笔试成绩查询软件"_s);
        const Qt::WindowFlags flags = h.form->windowFlags();
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
        QVERIFY(isFace(h.form->font(), u"宋体"_s));
        QCOMPARE(h.form->font().pixelSize(), 24);
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
            const QRect frame = h.form->frameGeometry();
            return std::abs(frame.left() - (screen.right() - frame.right())) <= 1
                && std::abs(frame.top() - (screen.bottom() - frame.bottom())) <= 1;
        };
        QTRY_VERIFY(centredWithinAPixel());
    }

    void closingOrExitEndsTheProgram()
    {
        {
            const Harness h;
            h.form->close();
            QCOMPARE(h.seen.ends, 1);
        }
        {
            const Harness h;
            h.lookUp(h.sfzh(9), h.zkzh(9));
            h.form->close();
            QCOMPARE(h.seen.ends, 1);
        }
        {
            const Harness h;
            h.lookUp(h.sfzh(9), h.zkzh(9));
            QTest::mouseClick(h.button(2), Qt::LeftButton);
            QCOMPARE(h.seen.ends, 1);
        }
    }

    void theRealMessageBox()
    {
        Form1Hooks hooks;
        int ends = 0;
        hooks.end = [&ends] { ++ends; };
        Form1 form(std::move(hooks));
        form.Form_Load();
        form.show();

        QString title;
        QString text;
        QList<QString> buttons;
        QMessageBox::Icon icon = QMessageBox::Warning;
        bool modal = false;
        const MessageBoxWatch watch([&](QMessageBox &box) {
            title = box.windowTitle();
            text = box.text();
            icon = box.icon();
            modal = box.isModal();
            for (QAbstractButton *button : box.buttons()) {
                buttons.append(button->text());
            }
        });
        QTest::mouseClick(form.findChild<QPushButton *>(u"Command3"_s), Qt::LeftButton);

        QCOMPARE(title, u"工程1"_s);
        QCOMPARE(text, u"身份证号或准考证号错误，请重新输入！"_s);
        QCOMPARE(buttons, QList<QString> {u"确定"_s});
        QCOMPARE(icon, QMessageBox::NoIcon);
        QVERIFY(modal);
        QCOMPARE(ends, 0);
    }
};

QTEST_MAIN(TestForm1)
#include "tst_form1.moc"
