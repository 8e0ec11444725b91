#pragma once

#include <QValidator>

class QLineEdit;

// Makes a text box single-line in what it takes, as a single-line edit box is on Windows: text
// the user pastes or drops is inserted up to its first line break, so a number copied from a
// spreadsheet cell or a line of text arrives without the break it carries. Everything before
// the break, blanks included, is kept exactly, and text already in the box stays. Text the
// program sets with setText() is not touched. Installed on the box by buildControls, owned by
// the box.
class FirstLineValidator : public QValidator
{
public:
    explicit FirstLineValidator(QLineEdit &box);

    State validate(QString &input, int &pos) const override;

private:
    void noteInsertionPoint();

    const QLineEdit &box;
    // Where the user's next insertion starts: the selection it replaces, else the cursor.
    int insertAt = 0;
};
