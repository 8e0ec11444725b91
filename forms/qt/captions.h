#pragma once

class QFont;
class QPushButton;
class QString;

namespace qtforms {

// What a screen reader announces for a caption: the spaces that spread "确    定" over the
// button and a label's closing colon are for the eye only.
QString spokenName(const QString &caption);

// A button caption broken into the lines the button's width allows, one character at a time:
// a push button does not wrap its caption by itself.
QString wrapCaption(const QString &caption, const QFont &font, int width);

// Gives a button its caption, wrapped to its width and announced as one caption. The caption
// as designed is kept as the button's "caption" property, which the wrapped text is not.
void setButtonCaption(QPushButton &button, const QString &caption);

} // namespace qtforms
