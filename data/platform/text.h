#pragma once

#include <optional>
#include <string>
#include <string_view>

// Text encodings, converted by the platform rather than by tables of our own: glibc's iconv on
// Linux (iconvtext.cpp), MultiByteToWideChar and WideCharToMultiByte on Windows (win32text.cpp);
// CMake picks one. Conversion is strict: what is not text in the encoding is refused, never
// replaced.
namespace platformtext {

// The encodings a results list may come in. Finding out which one a list is in is the caller's
// business.
enum class Encoding {
    utf8, // with overlong forms, surrogates and code points above U+10FFFF refused
    gb18030, // code page 54936 on Windows, or 936 where it is missing
};

// Whether this system decodes the encoding at all.
bool supported(Encoding encoding);

// The code points of bytes, or nothing when they are not text in the encoding or the encoding
// is not supported.
std::optional<std::u32string> decode(std::string_view bytes, Encoding encoding);

// UTF-16 as typed into a text box, as UTF-8. Nothing when the text is not valid UTF-16 (a lone
// surrogate).
std::optional<std::string> utf8FromUtf16(std::u16string_view text);

} // namespace platformtext
