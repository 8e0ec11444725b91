#pragma once

#include "ui/controldesign.h"

#include <QSize>
#include <QString>
#include <array>

// The design of the query window: its caption, client size, font and the sixteen controls
// with their rectangles in twips, captions, fonts, colours and tab order. Nothing here changes
// at run time; the handlers change only what controls show and hold.
namespace form1design {

inline const QString caption
    = QStringLiteral(u"2020年Merrowdale公开招聘员额制工作人员笔试成绩查询软件");
inline constexpr int clientWidth = 9090;
inline constexpr int clientHeight = 5025;
inline const FontDesign windowFont {QStringLiteral(u"宋体"), 18, false};
inline constexpr int timerInterval = 50; // milliseconds

// The prompt of the one message the window raises, when no record carries both numbers.
inline const QString noMatchPrompt = QStringLiteral(u"身份证号或准考证号错误，请重新输入！");

// Text1(0) to Text1(3), the labels, buttons, in rising tab index.
const std::array<ControlDesign, 16> &controls();

} // namespace form1design
