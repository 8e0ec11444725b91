#pragma once

#include <QColor>
#include <QString>
#include <optional>
#include <span>

class QFont;
class QWidget;

// One row of a window design: what a reviewer checks line by line against the window's design
// sheet. Rectangles are twips from the client area's top-left corner, font sizes points.
struct FontDesign
{
    QString face;
    double points = 0;
    bool bold = false;
};

enum class ControlKind { Label, TextBox, CommandButton };

struct ControlDesign
{
    ControlKind kind;
    QString name; // the design name, also the widget's objectName
    QString caption;
    int left;
    int top;
    int width;
    int height;
    std::optional<FontDesign> font; // none: the window's font
    std::optional<QColor> foreColor; // none: the platform's default
    int tabIndex;
};

// The Qt font for a designed face, size and weight: the designed face where it is installed,
// else the first installed of the substitutes the application registered for it.
QFont designFont(const FontDesign &design);

// Creates the designed controls as children of window, each at its rectangle with its caption,
// font and colour, and chains the Tab key through them in rising tab index. Labels draw from
// their top-left corner and wrap within their width, as they do on the design's home platform.
// Returns the controls in the order of the rows given.
QList<QWidget *> buildControls(QWidget &window, std::span<const ControlDesign> rows);

// What a screen reader announces for a caption: the spaces that spread "确    定" over the
// button and a label's closing colon are for the eye only. A button's wrapped lines are read as
// the one caption they are.
QString spokenName(const QString &caption);

// A button caption broken into the lines the button's width allows, one character at a time:
// a push button does not wrap its caption by itself.
QString wrapCaption(const QString &caption, const QFont &font, int width);
