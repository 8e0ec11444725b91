#pragma once

#include "forms/design.h"

#include <array>
#include <string_view>

// The design of the instructions panel: a borderless window with one label of five lines of
// usage instructions. Its size and place at design are replaced when it loads.
namespace form2design {

// The five lines, joined by CR LF with no break after the last; the label wraps the long ones.
inline constexpr std::u16string_view instructions
    = u"软件使用说明：\r\n"
      u"1、本软件只能查询2020年Merrowdale公开招聘员额制工作人员笔试成绩。\r\n"
      u"2、查询时，必须输入准考证号和身份证号，二者缺一不可。\r\n"
      u"3、身份证号如有字母，请输入大写字母。\r\n"
      u"在查询过程中，如有疑问请致电0851-12345678。";

inline constexpr std::array<forms::ControlDesign, 1> controls {{
    // kind, name, caption, left, top, width, height, font, fore colour, tab index
    {forms::ControlKind::Label, "Label1", instructions, 360, 480, 3975, 4575,
        forms::FontDesign {u"宋体", 14.25, false}, {}, 0},
}};

inline constexpr forms::WindowDesign window {
    .name = "Form2",
    .caption = u"软件使用说明",
    .borderStyle = forms::BorderStyle::None,
    .showInTaskbar = false,
    .hasIcon = false,
    .clientWidth = 4680,
    .clientHeight = 5190,
    .font = {},
    .controls = controls,
};

} // namespace form2design
