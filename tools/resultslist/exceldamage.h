#pragma once

#include <string>
#include <string_view>

// What Excel does to numbers in a column of the General format, recognised in one value so that
// the office learns how to mend its sheet instead of only which rule broke. Each check returns
// a UTF-8 sentence that quotes the value and says what to do in Excel, or an empty string when
// the value shows no such damage; the field rules still judge every value that passes.
namespace exceldamage {

// "4.30105E+17" (scientific notation), or "430105199012192000": 18 digits whose last three
// Excel turned into zeros, since it keeps 15 significant digits, so the check character fails.
std::string sfzhDamage(std::u32string_view value);

// "2.141E+10" (scientific notation), or 10 digits: the leading zero dropped.
std::string zkzhDamage(std::u32string_view value);

// "87.20" (a fixed number of decimal places) or "87,2" (the decimal comma of the system).
std::string cjDamage(std::u32string_view value);

} // namespace exceldamage
