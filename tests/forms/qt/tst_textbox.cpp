// A designed text box as the user fills it: pasted and dropped text is taken up to its first
// line break, through every way a user pastes, as one step that Ctrl+Z and the context menu
// undo; text the program sets is kept whole.
#include "forms/qt/controldesign.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <QWidget>
#include <functional>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

// One text box built from a design row, in a shown window.
struct Box
{
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    QLineEdit *edit = nullptr;

    Box()
    {
        const forms::ControlDesign row {
            forms::ControlKind::TextBox, "Text1(0)", {}, 0, 0, 3000, 495, {}, {}, 0};
        qtforms::buildControls(*window, std::span(&row, 1));
        edit = window->findChild<QLineEdit *>(u"Text1(0)"_s);
        window->show();
        edit->setFocus();
    }
};

// Opens the box's context menu, hands its entry for the standard key to use, and closes it.
// The entry is known by its shortcut, which the menu shows in every language.
void withContextMenuEntry(
    QLineEdit *edit, QKeySequence::StandardKey key, const std::function<void(QAction *)> &use)
{
    QContextMenuEvent click(
        QContextMenuEvent::Keyboard, QPoint(2, 2), edit->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(edit, &click);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    const QList<QAction *> actions = menu->actions();
    const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
    const auto entry = std::ranges::find_if(actions,
        [&shortcut](const QAction *action) { return action->text().endsWith(u'\t' + shortcut); });
    QVERIFY(entry != actions.end());
    use(*entry);
    menu->close();
}

// Pastes the clipboard the way a user does: Ctrl+V, the context menu's paste entry, or the
// box's paste slot that the menu entry and the Edit menus of other programs call.
enum class PasteWay { CtrlV, ContextMenu, PasteSlot };

void paste(QLineEdit *edit, PasteWay way)
{
    switch (way) {
    case PasteWay::CtrlV:
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        return;
    case PasteWay::ContextMenu: {
        QAction *entry = nullptr;
        withContextMenuEntry(edit, QKeySequence::Paste, [&entry](QAction *found) {
            entry = found;
            found->trigger();
        });
        QVERIFY(entry);
        return;
    }
    case PasteWay::PasteSlot:
        edit->paste();
        return;
    }
}

} // namespace

class TestTextBox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void pasteTakesTheFirstLine_data()
    {
        QTest::addColumn<PasteWay>("way");
        QTest::addColumn<QString>("before");
        QTest::addColumn<int>("cursor");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("after");
        const std::initializer_list<std::pair<const char *, PasteWay>> ways {
            {"Ctrl+V", PasteWay::CtrlV}, {"context menu", PasteWay::ContextMenu},
            {"paste()", PasteWay::PasteSlot}};
        for (const auto &[name, way] : ways) {
            const auto row = [name](const char *what) -> QTestData & {
                return QTest::addRow("%s, %s", name, what);
            };
            row("LF at the end") << way << QString() << 0 << u"110101199003070019\n"_s
                                 << u"110101199003070019"_s;
            row("CRLF at the end")
                << way << QString() << 0 << u"12345678901\r\n"_s << u"12345678901"_s;
            row("LF in the middle") << way << QString() << 0 << u"12\n34"_s << u"12"_s;
            row("CRLF in the middle") << way << QString() << 0 << u"12\r\n34\r\n"_s << u"12"_s;
            row("into existing text") << way << u"AB"_s << 1 << u"12\n34"_s << u"A12B"_s;
            row("blanks kept") << way << u"AB"_s << 2 << u" 1\t2 \r\n"_s << u"AB 1\t2 "_s;
            row("nothing before the break") << way << u"AB"_s << 1 << u"\n34"_s << u"AB"_s;
            row("no break") << way << u"AB"_s << 2 << u"12 34"_s << u"AB12 34"_s;
        }
    }
    void pasteTakesTheFirstLine()
    {
        QFETCH(PasteWay, way);
        QFETCH(QString, before);
        QFETCH(int, cursor);
        QFETCH(QString, clipboard);
        QFETCH(QString, after);
        const Box box;
        box.edit->setText(before);
        box.edit->setCursorPosition(cursor);
        QGuiApplication::clipboard()->setText(clipboard);

        paste(box.edit, way);
        QTRY_COMPARE(box.edit->text(), after);
        // The cursor stands after what was taken, where the user goes on typing.
        QTest::keyClick(box.edit, Qt::Key_Z);
        QCOMPARE(box.edit->text().indexOf(u'z'), cursor + after.size() - before.size());
    }

    void pasteReplacesTheSelection()
    {
        const Box box;
        box.edit->setText(u"A--B"_s);
        box.edit->setSelection(1, 2);
        QGuiApplication::clipboard()->setText(u"12\r\n"_s);
        paste(box.edit, PasteWay::CtrlV);
        QTRY_COMPARE(box.edit->text(), u"A12B"_s);
    }

    // A paste cut at its line break is one step of the undo history, apart from the typing
    // before it, undone by Ctrl+Z or by the context menu's entry, which stays enabled.
    void aCutPasteIsOneUndoableStep_data()
    {
        QTest::addColumn<PasteWay>("way");
        QTest::addColumn<QString>("clipboard");
        QTest::newRow("Ctrl+V, LF") << PasteWay::CtrlV << u"XY\n"_s;
        QTest::newRow("Ctrl+V, CRLF in the middle") << PasteWay::CtrlV << u"XY\r\nZ"_s;
        QTest::newRow("context menu, LF") << PasteWay::ContextMenu << u"XY\n"_s;
        QTest::newRow("Ctrl+V, no break") << PasteWay::CtrlV << u"XY"_s;
    }
    void aCutPasteIsOneUndoableStep()
    {
        QFETCH(PasteWay, way);
        QFETCH(QString, clipboard);
        const Box box;
        QTest::keyClicks(box.edit, u"abcdef"_s);
        box.edit->setCursorPosition(3);
        QGuiApplication::clipboard()->setText(clipboard);
        paste(box.edit, way);
        QTRY_COMPARE(box.edit->text(), u"abcXYdef"_s);
        QVERIFY(box.edit->isUndoAvailable());

        bool undoEnabled = false;
        withContextMenuEntry(box.edit, QKeySequence::Undo,
            [&undoEnabled](QAction *undo) { undoEnabled = undo->isEnabled(); });
        QVERIFY(undoEnabled);
        QTest::keyClick(box.edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box.edit->text(), u"abcdef"_s);
        // The typing before the paste is a step of its own.
        QTest::keyClick(box.edit, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(box.edit->text(), QString());
    }

    void dropTakesTheFirstLine()
    {
        const Box box;
        box.edit->setText(u"AB"_s);
        QMimeData data;
        data.setText(u"12\r\n34"_s);
        // Dropped on the box's right end, after "AB".
        const QPointF at(box.edit->width() - 4, box.edit->height() / 2);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box.edit, &enter);
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(box.edit, &drop);
        QTRY_COMPARE(box.edit->text(), u"AB12"_s);
    }

    void programTextAndTypingAreKept()
    {
        const Box box;
        box.edit->setText(u"12\n34"_s);
        QCOMPARE(box.edit->text(), u"12\n34"_s);
        QTest::keyClicks(box.edit, u" 5"_s);
        QCOMPARE(box.edit->text(), u"12\n34 5"_s);
        box.edit->setText(u"\r\n"_s);
        QCOMPARE(box.edit->text(), u"\r\n"_s);
    }
};

QTEST_MAIN(TestTextBox)
#include "tst_textbox.moc"
