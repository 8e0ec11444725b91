#pragma once

#include <memory>
#include <type_traits>
#include <windows.h>

// Owners of the GDI and USER objects the windows create, so that none outlives its window.
namespace win32forms {

struct FontDeleter
{
    void operator()(HFONT font) const { DeleteObject(font); }
};
using FontHandle = std::unique_ptr<std::remove_pointer_t<HFONT>, FontDeleter>;

struct IconDeleter
{
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using IconHandle = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

} // namespace win32forms
