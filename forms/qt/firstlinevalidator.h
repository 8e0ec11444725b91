#pragma once

#include <QString>
#include <QValidator>

class QLineEdit;

namespace qtforms {

// Makes a text box single-line in what it takes, as a single-line edit box is on Windows: text
// the user pastes or drops is inserted up to its first line break, so a number copied from a
// spreadsheet cell or a line of text arrives without the break it carries. Everything before
// the break, blanks included, is kept exactly, and text already in the box stays. Text the
// program sets with setText() is not touched. Installed on the box by buildControls, owned by
// the box.
//
// A validator that changes the text makes the box clear its undo history. An insertion holding
// a line break is therefore refused whole, which the box undoes by itself, and its first line
// is inserted in its place as soon as the box has finished: right after the key, drop, click or
// context-menu entry that pasted it, else from the event loop. A paste ends by starting a new
// undo step, so the line is one step that Ctrl+Z takes back, apart from any typing before it.
class FirstLineValidator : public QValidator
{
public:
    explicit FirstLineValidator(QLineEdit &box);

    State validate(QString &input, int &pos) const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void noteInsertionPoint();
    void insertRefusedFirstLine() const;

    QLineEdit &box;
    // Where the user's next insertion starts: the selection it replaces, else the cursor.
    int insertAt = 0;
    // The first line of the insertion refused last, until it is inserted.
    mutable QString refusedFirstLine;
    bool delivering = false;
};

} // namespace qtforms
