#pragma once

#include <string>
#include <string_view>

// Code points written as the UTF-8 of problem reports and of the generated list, and counted as
// the UTF-16 of the generated source. Reading the list is platformtext's.
namespace utf8text {

std::string encode(std::u32string_view text);

// How many UTF-16 code units text takes.
std::size_t utf16Length(std::u32string_view text);

} // namespace utf8text
