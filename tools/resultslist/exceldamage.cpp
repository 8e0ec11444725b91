#include "exceldamage.h"

#include "fieldrules.h"
#include "tools/common/idcardcheck.h"

#include <algorithm>

namespace exceldamage {

namespace {

bool isDigit(char32_t c)
{
    return c >= U'0' && c <= U'9';
}

bool allDigits(std::u32string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), isDigit);
}

// Digits, an optional point and digits, "E" or "e", an optional sign and digits: a number as
// Excel shows it in scientific notation.
bool scientific(std::u32string_view value)
{
    const std::size_t e = value.find_first_of(U"Ee");
    if (e == std::u32string_view::npos) {
        return false;
    }
    const std::u32string_view mantissa = value.substr(0, e);
    std::u32string_view exponent = value.substr(e + 1);
    if (!exponent.empty() && (exponent[0] == U'+' || exponent[0] == U'-')) {
        exponent.remove_prefix(1);
    }
    const std::size_t point = mantissa.find(U'.');
    const bool mantissaIsNumber = point == std::u32string_view::npos
        ? allDigits(mantissa)
        : allDigits(mantissa.substr(0, point)) && allDigits(mantissa.substr(point + 1));
    return mantissaIsNumber && allDigits(exponent);
}

ListProblem damage(ProblemCode code, std::string detail)
{
    return ListProblem {code, 0, 0, -1, std::move(detail)};
}

} // namespace

bool endsLikeCutToFifteenDigits(std::u32string_view value)
{
    return value.size() == 18 && allDigits(value) && value.ends_with(U"000");
}

std::optional<ListProblem> sfzhDamage(std::u32string_view value)
{
    if (scientific(value)) {
        return damage(ProblemCode::sfzhScientific, "成了科学计数法：" + fieldrules::quoted(value));
    }
    if (endsLikeCutToFifteenDigits(value)
        && static_cast<char32_t>(idCardCheckCharacter(value.substr(0, 17))) != value[17]) {
        return damage(ProblemCode::sfzhZeroedTail,
            "最后三位成了 000，校验码也不对：" + fieldrules::quoted(value));
    }
    return std::nullopt;
}

std::optional<ListProblem> zkzhDamage(std::u32string_view value)
{
    if (scientific(value)) {
        return damage(ProblemCode::zkzhScientific, "成了科学计数法：" + fieldrules::quoted(value));
    }
    if (value.size() == 10 && allDigits(value)) {
        return damage(ProblemCode::zkzhLeadingZero,
            "只有 10 位数字，开头的 0 被去掉了：" + fieldrules::quoted(value));
    }
    return std::nullopt;
}

std::optional<ListProblem> cjDamage(std::u32string_view value)
{
    const std::size_t point = value.find_first_of(U".,");
    if (point == std::u32string_view::npos || !allDigits(value.substr(0, point))
        || !allDigits(value.substr(point + 1))) {
        return std::nullopt;
    }
    if (value[point] == U',') {
        return damage(
            ProblemCode::cjDecimalComma, "用逗号作了小数点：" + fieldrules::quoted(value));
    }
    // Only zeros a shortest form would not have, on a score the rules otherwise accept.
    std::u32string shortest(value);
    shortest.erase(shortest.find_last_not_of(U'0') + 1);
    if (shortest.back() == U'.') {
        shortest.pop_back();
    }
    if (shortest.size() == value.size() || fieldrules::cjProblem(shortest)) {
        return std::nullopt;
    }
    return damage(ProblemCode::cjTrailingZeros, "末尾有多余的 0：" + fieldrules::quoted(value));
}

} // namespace exceldamage
