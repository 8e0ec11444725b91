#pragma once

#include <cstdint>
#include <string>

// Upper-case hexadecimal digits of value, zero-padded to at least width digits: for the \u
// escapes of generated sources and problem reports, and the \x escapes of bytes that are no
// text. Shared by the tools so that every escape they print looks the same.
inline std::string hex(std::uint32_t value, int width)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text;
    for (; value != 0 || width > 0; value >>= 4, --width) {
        text.insert(text.begin(), digits[value & 0xF]);
    }
    return text;
}
