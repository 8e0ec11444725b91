#include "forms/qt/firstlinevalidator.h"

#include <QLineEdit>
#include <algorithm>

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
    const auto end = input.cbegin() + pos;
    const auto lineBreak = std::find_if(
        input.cbegin() + insertAt, end, [](QChar c) { return c == u'\r' || c == u'\n'; });
    if (lineBreak != end) {
        const int cut = int(lineBreak - input.cbegin());
        input.remove(cut, pos - cut);
        pos = cut;
    }
    return Acceptable;
}
