#include "forms/win32/designfont.h"

#include "forms/twips.h"

#include <algorithm>

namespace win32forms {

FontHandle createDesignFont(const forms::FontDesign &design, unsigned dpi)
{
    LOGFONTW font {};
    // Negative: the character height, as a size in points means, not the cell height.
    font.lfHeight = -forms::twips::fontPixels(design.points, dpi);
    font.lfWeight = design.bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = GB2312_CHARSET;
    font.lfOutPrecision = OUT_DEFAULT_PRECIS;
    font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    font.lfQuality = DEFAULT_QUALITY;
    font.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    const std::size_t length = std::min(design.face.size(), std::size(font.lfFaceName) - 1);
    std::copy_n(design.face.begin(), length, font.lfFaceName);
    return FontHandle(CreateFontIndirectW(&font));
}

} // namespace win32forms
