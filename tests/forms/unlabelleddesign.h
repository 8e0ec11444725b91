#pragma once

#include "forms/design.h"
#include "ui/query/form1design.h"

// A design fault every runtime must refuse: the query window's design with one text box whose
// label the design lacks.
namespace unlabelleddesign {

inline constexpr forms::ControlDesign rows[] {{.kind = forms::ControlKind::TextBox,
    .name = "Text1",
    .caption = u"",
    .left = 0,
    .top = 0,
    .width = 1200,
    .height = 300,
    .font = std::nullopt,
    .foreColor = std::nullopt,
    .tabIndex = 0,
    .labelledBy = "Label9"}};

inline forms::WindowDesign window()
{
    forms::WindowDesign design = form1design::window;
    design.controls = rows;
    return design;
}

} // namespace unlabelleddesign
