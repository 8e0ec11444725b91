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

// Format characters that take no room: zero widths, joiners, direction marks, the soft hyphen
// and the byte order mark that a pasted value may carry along.
bool isInvisible(char32_t c)
{
    return c == 0xAD || c == 0x180E || (c >= 0x200B && c <= 0x200F) || (c >= 0x202A && c <= 0x202E)
        || (c >= 0x2060 && c <= 0x2064) || c == 0xFEFF;
}

bool isControl(char32_t c)
{
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

ListProblem problem(ProblemCode code, std::string detail)
{
    return ListProblem {code, 0, 0, -1, std::move(detail)};
}

} // namespace

std::string codePointName(char32_t codePoint)
{
    return "U+" + hex(codePoint, 4);
}

std::string quoted(std::u32string_view value)
{
    std::u32string text = U"“";
    for (const char32_t c : value) {
        if (c == U'\t') {
            text += U"\\t";
        } else if (c == U'\r') {
            text += U"\\r";
        } else if (c == U'\n') {
            text += U"\\n";
        } else if (c == U'\\') {
            text += U"\\\\";
        } else if (isControl(c) || isInvisible(c)) {
            const std::string escape = "\\u" + hex(c, 4);
            text.append(escape.begin(), escape.end());
        } else {
            text += c;
        }
    }
    return utf8text::encode(text + U"”");
}

std::optional<ListProblem> blankProblem(std::u32string_view value)
{
    // Positions count UTF-16 code units, as an editor that shows them would.
    std::size_t position = 0;
    for (const char32_t c : value) {
        ++position;
        if (isBlank(c) || isInvisible(c)) {
            return problem(isBlank(c) ? ProblemCode::blank : ProblemCode::invisibleCharacter,
                std::string(isBlank(c) ? "含有空白字符 " : "含有看不见的字符 ") + codePointName(c)
                    + "（第 " + std::to_string(position) + " 个字符）：" + quoted(value));
        }
        position += c > 0xFFFF ? 1 : 0;
    }
    return std::nullopt;
}

std::optional<ListProblem> sfzhProblem(std::u32string_view value)
{
    if (utf8text::utf16Length(value) != 18) {
        return problem(ProblemCode::sfzhLength,
            "应为 18 个字符（17 位数字和 1 位校验码），实为 "
                + std::to_string(utf8text::utf16Length(value)) + " 个：" + quoted(value));
    }
    if (value.size() != 18 || !allAsciiDigits(value.substr(0, 17))) {
        return problem(ProblemCode::sfzhDigits, "前 17 位应为半角数字：" + quoted(value));
    }
    const char32_t last = value[17];
    if (!isAsciiDigit(last) && last != U'X') {
        return problem(ProblemCode::sfzhCheckCharacter,
            "最后一位校验码应为半角数字或大写字母 X：" + quoted(value));
    }
    const char expected = idCardCheckCharacter(value.substr(0, 17));
    if (last != static_cast<char32_t>(expected)) {
        return problem(ProblemCode::sfzhCheckCharacter,
            std::string("校验码不对，按 GB 11643 应为“") + expected + "”：" + quoted(value));
    }
    return std::nullopt;
}

std::optional<ListProblem> zkzhProblem(std::u32string_view value)
{
    if (value.size() != 11 || !allAsciiDigits(value)) {
        return problem(ProblemCode::zkzhForm, "应为 11 位半角数字：" + quoted(value));
    }
    return std::nullopt;
}

std::optional<ListProblem> xmProblem(std::u32string_view value)
{
    for (const char32_t c : value) {
        if (c < 0x4E00 || c > 0x9FA5) {
            return problem(ProblemCode::xmCharacter,
                "只能由 U+4E00 至 U+9FA5 的汉字组成，其中有 " + codePointName(c) + "："
                    + quoted(value));
        }
    }
    if (value.size() < 2 || value.size() > 4) {
        return problem(ProblemCode::xmLength,
            "应为 2 至 4 个汉字，实为 " + std::to_string(value.size()) + " 个：" + quoted(value));
    }
    return std::nullopt;
}

std::optional<ListProblem> cjProblem(std::u32string_view value)
{
    if (value == U"缺考") {
        return std::nullopt;
    }
    const std::size_t point = value.find(U'.');
    const std::u32string_view whole = value.substr(0, point);
    if (whole.size() != 2 || !allAsciiDigits(whole) || whole[0] == U'0') {
        return problem(ProblemCode::cjWholePart,
            "应为“缺考”或整数部分为 10 至 99 的分数（不以 0 开头）：" + quoted(value));
    }
    if (point != std::u32string_view::npos) {
        const std::u32string_view fraction = value.substr(point + 1);
        if (fraction.empty() || fraction.size() > 2 || !allAsciiDigits(fraction)
            || fraction.back() == U'0') {
            return problem(ProblemCode::cjFraction,
                "小数部分应为 1 至 2 位半角数字，最后一位不为 0：" + quoted(value));
        }
    }
    return std::nullopt;
}

} // namespace fieldrules
