#pragma once

#include <string>
#include <string_view>

// The designs keep their text as UTF-16 (char16_t); the wide Win32 calls take the same code
// units as wchar_t, which is 16 bits on Windows.
namespace win32forms {

static_assert(sizeof(wchar_t) == sizeof(char16_t));

inline std::wstring wide(std::u16string_view text)
{
    return {text.begin(), text.end()};
}

inline std::u16string utf16(std::wstring_view text)
{
    return {text.begin(), text.end()};
}

} // namespace win32forms
