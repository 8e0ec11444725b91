#include "exceldamage.h"

#include "fieldrules.h"
#include "tools/common/idcardcheck.h"

#include <algorithm>

namespace exceldamage {

namespace {

const std::string retypeAsText = "In Excel, set the column's format to Text and enter the numbers "
                                 "again, then save the sheet again";

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

} // namespace

std::string sfzhDamage(std::u32string_view value)
{
    if (scientific(value)) {
        return "an ID-card number in scientific notation, found " + fieldrules::quoted(value)
            + ": Excel took the column for numbers. " + retypeAsText;
    }
    if (value.size() == 18 && allDigits(value) && value.ends_with(U"000")
        && static_cast<char32_t>(idCardCheckCharacter(value.substr(0, 17))) != value[17]) {
        return "an ID-card number whose last digits were turned to zeros, found "
            + fieldrules::quoted(value)
            + ": Excel took the column for numbers and keeps only 15 digits of a number. "
            + retypeAsText;
    }
    return {};
}

std::string zkzhDamage(std::u32string_view value)
{
    if (scientific(value)) {
        return "a ticket number in scientific notation, found " + fieldrules::quoted(value)
            + ": Excel took the column for numbers. " + retypeAsText;
    }
    if (value.size() == 10 && allDigits(value)) {
        return "a ticket number of 10 digits where 11 are expected, found "
            + fieldrules::quoted(value)
            + ": Excel took the column for numbers and dropped the leading zero. In Excel, set "
              "the column's format to Custom \"00000000000\" (eleven zeros), which writes the "
              "leading zero again, or to Text and enter the numbers again; then save the sheet "
              "again";
    }
    return {};
}

std::string cjDamage(std::u32string_view value)
{
    const std::size_t point = value.find_first_of(U".,");
    if (point == std::u32string_view::npos || !allDigits(value.substr(0, point))
        || !allDigits(value.substr(point + 1))) {
        return {};
    }
    if (value[point] == U',') {
        return "a score with a comma as decimal separator, found " + fieldrules::quoted(value)
            + ": Excel wrote the number as Windows' regional settings show it. In Excel, under "
              "File > Options > Advanced, clear \"Use system separators\" and set the decimal "
              "separator to \".\", then save the sheet again";
    }
    // Only zeros a shortest form would not have, on a score the rules otherwise accept.
    std::u32string shortest(value);
    shortest.erase(shortest.find_last_not_of(U'0') + 1);
    if (shortest.back() == U'.') {
        shortest.pop_back();
    }
    if (shortest.size() == value.size() || !fieldrules::cjProblem(shortest).empty()) {
        return {};
    }
    return "a score with trailing zeros, found " + fieldrules::quoted(value)
        + ": the column's format has a fixed number of decimal places. In Excel, set the "
          "column's format to General, then save the sheet again";
}

} // namespace exceldamage
