#pragma once

#include "forms/design.h"
#include "forms/win32/handles.h"

namespace win32forms {

// A font of the design at the DPI: the face by name with the GB2312 character set, so that
// Windows picks 宋体 or 黑体 and not a Latin face of a similar name.
FontHandle createDesignFont(const forms::FontDesign &design, unsigned dpi);

} // namespace win32forms
