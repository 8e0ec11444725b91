#include "ui/query/form1design.h"

using namespace Qt::StringLiterals;

namespace form1design {

namespace {

const QColor red {255, 0, 0};
const FontDesign heading {u"黑体"_s, 15, true};
const FontDesign asterisk {u"黑体"_s, 18, true};
const FontDesign credit {u"宋体"_s, 14.25, false};
const FontDesign narrowButton {u"宋体"_s, 12, false};

constexpr auto label = ControlKind::Label;
constexpr auto textBox = ControlKind::TextBox;
constexpr auto button = ControlKind::CommandButton;

} // namespace

const std::array<ControlDesign, 16> &controls()
{
    // The four rows of the grid stand 600 twips apart; the name and score rows are hidden until
    // a lookup succeeds, and "确    定" lies across them in the meantime.
    static const std::array<ControlDesign, 16> rows {{
        // kind, name, caption, left, top, width, height, font, fore colour, tab index
        {textBox, u"Text1(0)"_s, {}, 3480, 1320, 3615, 495, {}, {}, 0},
        {textBox, u"Text1(1)"_s, {}, 3480, 1920, 3615, 495, {}, {}, 1},
        {textBox, u"Text1(2)"_s, {}, 3480, 2520, 3615, 495, {}, {}, 2},
        {textBox, u"Text1(3)"_s, {}, 3480, 3120, 3615, 495, {}, {}, 3},
        {label, u"Label1"_s, u"身份证号："_s, 1560, 1320, 1815, 495, {}, {}, 4},
        {label, u"Label2"_s, u"准考证号："_s, 1560, 1920, 1815, 495, {}, {}, 5},
        {label, u"Label3"_s, u"姓    名："_s, 1560, 2520, 1815, 495, {}, {}, 6},
        {label, u"Label4"_s, u"成    绩："_s, 1560, 3120, 1815, 495, {}, {}, 7},
        {button, u"Command1"_s, u"继续查询"_s, 1680, 3960, 2295, 615, {}, {}, 8},
        {button, u"Command2"_s, u"退    出"_s, 5040, 3960, 2295, 615, {}, {}, 9},
        {button, u"Command3"_s, u"确    定"_s, 2760, 2880, 3255, 615, {}, {}, 10},
        {label, u"Label5"_s, u"2020年Merrowdale公开招聘员额制工作人员笔试成绩"_s, 720, 360, 7815,
            495, heading, red, 11},
        {label, u"Label6"_s, u"*"_s, 7200, 1320, 735, 375, asterisk, red, 12},
        {label, u"Label7"_s, u"*"_s, 7200, 1920, 735, 375, asterisk, red, 13},
        {label, u"Label8"_s, u"Quenwick制"_s, 6360, 4680, 2655, 375, credit, {}, 14},
        {button, u"Command4"_s, u"软件使用说明"_s, 8760, 1560, 375, 1575, narrowButton, {}, 15},
    }};
    return rows;
}

} // namespace form1design
