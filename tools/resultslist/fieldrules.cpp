#include "fieldrules.h"

#include "tools/common/hex.h"
#include "tools/common/idcardcheck.h"
#include "utf8.h"

#include <algorithm>

namespace fieldrules {

namespace {

bool isAsciiDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

bool allAsciiDigits(std::u32string_view value)
{
    return std::all_of(value.begin(), value.end(), isAsciiDigit);
}

// Unicode's White_Space characters: the controls tab to carriage return and U+0085, and the
// separators Zs, Zl and Zp.
bool isBlank(char32_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680
        || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F
        || c == 0x3000;
}

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

std::string codePointName(char32_t codePoint)
{
    return "U+" + hex(codePoint, 4);
}

} // namespace

std::string quoted(std::u32string_view value)
{
    std::u32string text = U"\"";
    for (const char32_t c : value) {
        if (c == U'\t') {
            text += U"\\t";
        } else if (c == U'\r') {
            text += U"\\r";
        } else if (c == U'\n') {
            text += U"\\n";
        } else if (c == U'"' || c == U'\\') {
            text += U'\\';
            text += c;
        } else if (isControl(c)) {
            const std::string escape = "\\u" + hex(c, 4);
            text.append(escape.begin(), escape.end());
        } else {
            text += c;
        }
    }
    return Utf8::encode(text + U'"');
}

std::string blankProblem(std::u32string_view value)
{
    // Positions count UTF-16 code units, as an editor that shows them would.
    std::size_t position = 0;
    for (const char32_t c : value) {
        ++position;
        if (isBlank(c)) {
            return "must not contain blanks, found " + codePointName(c) + " at character "
                + std::to_string(position) + " of " + quoted(value);
        }
        position += c > 0xFFFF ? 1 : 0;
    }
    return {};
}

std::string sfzhProblem(std::u32string_view value)
{
    if (Utf8::utf16Length(value) != 18) {
        return "must be 18 characters (17 ASCII digits and a check character), found "
            + std::to_string(Utf8::utf16Length(value)) + " in " + quoted(value);
    }
    if (value.size() != 18 || !allAsciiDigits(value.substr(0, 17))) {
        return "the first 17 characters must be ASCII digits, found " + quoted(value);
    }
    const char32_t last = value[17];
    if (!isAsciiDigit(last) && last != U'X') {
        return "the check character must be an ASCII digit or an upper-case \"X\", found "
            + quoted(value);
    }
    const char expected = idCardCheckCharacter(value.substr(0, 17));
    if (last != static_cast<char32_t>(expected)) {
        return std::string("the check character must be \"") + expected
            + "\" by ISO 7064 MOD 11-2, found " + quoted(value);
    }
    return {};
}

std::string zkzhProblem(std::u32string_view value)
{
    if (value.size() != 11 || !allAsciiDigits(value)) {
        return "must be 11 ASCII digits, found " + quoted(value);
    }
    return {};
}

std::string xmProblem(std::u32string_view value)
{
    for (const char32_t c : value) {
        if (c < 0x4E00 || c > 0x9FA5) {
            return "every character must be a Chinese character from U+4E00 to U+9FA5, found "
                + codePointName(c) + " in " + quoted(value);
        }
    }
    if (value.size() < 2 || value.size() > 4) {
        return "must be 2 to 4 characters, found " + std::to_string(value.size()) + " in "
            + quoted(value);
    }
    return {};
}

std::string cjProblem(std::u32string_view value)
{
    if (value == U"缺考") {
        return {};
    }
    const std::size_t point = value.find(U'.');
    const std::u32string_view whole = value.substr(0, point);
    if (whole.size() != 2 || !allAsciiDigits(whole) || whole[0] == U'0') {
        return "must be \"缺考\" or a score whose whole part is 10 to 99 without a leading zero, "
               "found "
            + quoted(value);
    }
    if (point != std::u32string_view::npos) {
        const std::u32string_view fraction = value.substr(point + 1);
        if (fraction.empty() || fraction.size() > 2 || !allAsciiDigits(fraction)
            || fraction.back() == U'0') {
            return "a score's fractional part must be 1 or 2 ASCII digits, the last not 0, found "
                + quoted(value);
        }
    }
    return {};
}

} // namespace fieldrules
