#pragma once

#include <optional>
#include <string>
#include <string_view>

// UTF-8 as the results list is written in, decoded without any library: the list is typed or
// exported by hand, so the decoder trusts nothing. Strict decoding refuses overlong forms,
// encoded surrogates, code points above U+10FFFF, stray continuation bytes and truncated
// sequences.
namespace Utf8 {

// The code points of bytes, or nothing when they are not valid UTF-8.
std::optional<std::u32string> decode(std::string_view bytes);

// The code points of bytes with U+FFFD for every byte that does not start a valid sequence: for
// quoting a line in a problem report, never for data.
std::u32string decodeLossy(std::string_view bytes);

std::string encode(std::u32string_view text);

// How many UTF-16 code units text takes.
std::size_t utf16Length(std::u32string_view text);

} // namespace Utf8
