#include "forms/qt/firstlinevalidator.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMetaObject>
#include <algorithm>

namespace qtforms {

FirstLineValidator::FirstLineValidator(QLineEdit &lineEdit)
    : QValidator(&lineEdit)
    , box(lineEdit)
{
    // The box reports its cursor and selection after each change, so these hold the state
    // before the next edit when the box asks for its validation.
    connect(&lineEdit, &QLineEdit::cursorPositionChanged, this,
        &FirstLineValidator::noteInsertionPoint);
    connect(&lineEdit, &QLineEdit::selectionChanged, this, &FirstLineValidator::noteInsertionPoint);
    noteInsertionPoint();
    lineEdit.installEventFilter(this);
}

void FirstLineValidator::noteInsertionPoint()
{
    insertAt = box.hasSelectedText() ? box.selectionStart() : box.cursorPosition();
}

QValidator::State FirstLineValidator::validate(QString &input, int &pos) const
{
    // setText() clears the box's undo history before the new text is validated, while an
    // insertion by the user is always in it: only the user's insertions are cut.
    if (!box.isUndoAvailable() || pos <= insertAt) {
        return Acceptable;
    }
    // The inserted text ends at the cursor.
    const auto begin = input.cbegin() + insertAt;
    const auto end = input.cbegin() + pos;
    const auto lineBreak
        = std::find_if(begin, end, [](QChar c) { return c == u'\r' || c == u'\n'; });
    if (lineBreak == end) {
        return Acceptable;
    }
    refusedFirstLine = QString(begin, lineBreak - begin);
    // For a paste that no event of the box brought, such as a call of its paste slot.
    QMetaObject::invokeMethod(
        &box, [this] { insertRefusedFirstLine(); }, Qt::QueuedConnection);
    return Invalid;
}

void FirstLineValidator::insertRefusedFirstLine() const
{
    const QString line = std::exchange(refusedFirstLine, QString());
    if (!line.isEmpty()) {
        box.insert(line);
    }
}

// The events by which the user inserts text are delivered here, so that a refused insertion's
// first line follows before anything else happens; the context menu is the box's own, with its
// paste entry followed by the first line too.
bool FirstLineValidator::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != &box || delivering) {
        return QValidator::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::Drop:
    case QEvent::MouseButtonRelease:
    case QEvent::InputMethod: {
        delivering = true;
        static_cast<QObject &>(box).event(event);
        delivering = false;
        insertRefusedFirstLine();
        return true;
    }
    case QEvent::ContextMenu:
        if (QMenu *menu = box.createStandardContextMenu()) {
            for (QAction *entry : menu->actions()) {
                connect(
                    entry, &QAction::triggered, this, &FirstLineValidator::insertRefusedFirstLine);
            }
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
        }
        return true;
    default:
        return QValidator::eventFilter(watched, event);
    }
}

} // namespace qtforms
