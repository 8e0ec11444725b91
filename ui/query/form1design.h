#pragma once

#include "forms/design.h"

#include <array>
#include <string_view>

// The design of the query window: its caption, border, client size, font, timer and the sixteen
// controls with their rectangles in twips, captions, fonts, colours and tab order. Nothing here
// changes at run time; the handlers change only what controls show and hold.
namespace form1design {

using namespace std::string_view_literals;
using forms::ControlDesign;
using forms::FontDesign;

inline constexpr forms::Rgb red {255, 0, 0};
inline constexpr FontDesign heading {u"黑体", 15, true};
inline constexpr FontDesign asterisk {u"黑体", 18, true};
inline constexpr FontDesign credit {u"宋体", 14.25, false};
inline constexpr FontDesign narrowButton {u"宋体", 12, false};

inline constexpr auto label = forms::ControlKind::Label;
inline constexpr auto textBox = forms::ControlKind::TextBox;
inline constexpr auto button = forms::ControlKind::CommandButton;

// The four rows of the grid stand 600 twips apart; the name and score rows are hidden until a
// lookup succeeds, and "确    定" lies across them in the meantime.
inline constexpr std::array<ControlDesign, 16> controls {{
    // kind, name, caption, left, top, width, height, font, fore colour, tab index, named by
    {textBox, "Text1(0)", {}, 3480, 1320, 3615, 495, {}, {}, 0, "Label1"},
    {textBox, "Text1(1)", {}, 3480, 1920, 3615, 495, {}, {}, 1, "Label2"},
    {textBox, "Text1(2)", {}, 3480, 2520, 3615, 495, {}, {}, 2, "Label3"},
    {textBox, "Text1(3)", {}, 3480, 3120, 3615, 495, {}, {}, 3, "Label4"},
    {label, "Label1", u"身份证号：", 1560, 1320, 1815, 495, {}, {}, 4},
    {label, "Label2", u"准考证号：", 1560, 1920, 1815, 495, {}, {}, 5},
    {label, "Label3", u"姓    名：", 1560, 2520, 1815, 495, {}, {}, 6},
    {label, "Label4", u"成    绩：", 1560, 3120, 1815, 495, {}, {}, 7},
    {button, "Command1", u"继续查询", 1680, 3960, 2295, 615, {}, {}, 8},
    {button, "Command2", u"退    出", 5040, 3960, 2295, 615, {}, {}, 9},
    {button, "Command3", u"确    定", 2760, 2880, 3255, 615, {}, {}, 10},
    {label, "Label5", u"2020年Merrowdale公开招聘员额制工作人员笔试成绩", 720, 360, 7815, 495,
        heading, red, 11},
    {label, "Label6", u"*", 7200, 1320, 735, 375, asterisk, red, 12},
    {label, "Label7", u"*", 7200, 1920, 735, 375, asterisk, red, 13},
    {label, "Label8", u"Quenwick制", 6360, 4680, 2655, 375, credit, {}, 14},
    {button, "Command4", u"软件使用说明", 8760, 1560, 375, 1575, narrowButton, {}, 15},
}};

inline constexpr forms::WindowDesign window {
    .name = "Form1",
    .caption = u"2020年Merrowdale公开招聘员额制工作人员笔试成绩查询软件",
    .borderStyle = forms::BorderStyle::FixedSingle,
    .showInTaskbar = true,
    .hasIcon = true,
    .clientWidth = 9090,
    .clientHeight = 5025,
    .font = FontDesign {u"宋体", 18, false},
    .controls = controls,
    .timer = forms::TimerDesign {"Timer1", 50},
};

// The prompt of the one message the window raises, when no record carries both numbers.
inline constexpr std::u16string_view noMatchPrompt = u"身份证号或准考证号错误，请重新输入！";

} // namespace form1design
