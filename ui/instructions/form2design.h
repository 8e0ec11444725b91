#pragma once

#include "ui/controldesign.h"

#include <QString>
#include <array>

// The design of the instructions panel: a borderless window with one label of five lines of
// usage instructions. Its size and place at design are replaced when it loads.
namespace form2design {

inline const QString caption = QStringLiteral(u"软件使用说明");
inline constexpr int clientWidth = 4680;
inline constexpr int clientHeight = 5190;

// The five lines, joined by CR LF with no break after the last; the label wraps the long ones.
QString instructionsText();

const std::array<ControlDesign, 1> &controls();

} // namespace form2design
