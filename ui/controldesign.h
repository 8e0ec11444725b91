#pragma once

#include "ui/designfont.h"

#include <QColor>
#include <QString>
#include <optional>
#include <span>

class QWidget;

// One row of a window design: what a reviewer checks line by line against the window's design
// sheet. Rectangles are twips from the client area's top-left corner.
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

// Creates the designed controls as children of window, each at its rectangle with its caption,
// font and colour, and chains the Tab key through them in rising tab index. Labels draw from
// their top-left corner and wrap within their width, as they do on the design's home platform;
// text boxes take text of any length, and pasted or dropped text up to its first line break,
// and draw characters their face lacks from another face; buttons are announced by their
// captions, not by the lines they are wrapped into.
void buildControls(QWidget &window, std::span<const ControlDesign> rows);
