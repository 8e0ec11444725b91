#pragma once

#include <optional>
#include <string>
#include <string_view>

// Text encodings the results list may come in, decoded by the platform rather than by tables of
// our own: glibc's iconv on Linux (textdecoding_iconv.cpp), MultiByteToWideChar on Windows
// (textdecoding_win32.cpp); CMake picks one. Decoding is strict: bytes that are not text in the
// encoding are refused, never replaced. Finding out which encoding a list is in is the caller's
// business.
namespace TextDecoding {

enum class Encoding {
    utf8, // with overlong forms, surrogates and code points above U+10FFFF refused
    gb18030, // code page 54936 on Windows
};

// Whether this system decodes the encoding at all: Wine, for one, has no code page 54936.
bool supported(Encoding encoding);

// The code points of bytes, or nothing when they are not text in the encoding or the encoding
// is not supported.
std::optional<std::u32string> decode(std::string_view bytes, Encoding encoding);

} // namespace TextDecoding
