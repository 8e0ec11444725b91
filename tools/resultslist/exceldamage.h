#pragma once

#include "listproblem.h"

#include <optional>
#include <string_view>

// What Excel does to numbers in a column of the General format, recognised in one value so that
// the office learns how to mend its sheet instead of only which rule broke (what to do in Excel
// belongs to each code, listreport.h). Each check returns the damage with a Chinese detail that
// quotes the value, or nothing when the value shows no such damage; the field rules still judge
// every value that passes. Whether a whole column of ID-card numbers was cut to 15 digits is the
// parser's to judge, since it takes every line.
namespace exceldamage {

// "4.30105E+17" (scientific notation), or "430105199012192000": 18 digits whose last three
// Excel turned into zeros, since it keeps 15 significant digits, so the check character fails.
std::optional<ListProblem> sfzhDamage(std::u32string_view value);

// Whether an ID-card number ends as Excel leaves one it cut to 15 digits, check character or not.
bool endsLikeCutToFifteenDigits(std::u32string_view value);

// "2.141E+10" (scientific notation), or 10 digits: the leading zero dropped.
std::optional<ListProblem> zkzhDamage(std::u32string_view value);

// "87.20" (a fixed number of decimal places) or "87,2" (the decimal comma of the system).
std::optional<ListProblem> cjDamage(std::u32string_view value);

} // namespace exceldamage
