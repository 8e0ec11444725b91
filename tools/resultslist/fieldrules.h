#pragma once

#include <string>
#include <string_view>

// The form every value of the results list must keep, one check per column. Each check returns
// the broken rule as a UTF-8 sentence that quotes the offending value, or an empty string when
// the value is fine. The checks look at one value alone: emptiness, uniqueness and the layout of
// the lines belong to parseResultsList.
namespace fieldrules {

// The value in double quotes, with tabs, line ends and other control characters escaped so that
// a problem report stays on one line.
std::string quoted(std::u32string_view value);

// Any whitespace: space, tab, ideographic space U+3000 and the other Unicode blanks.
std::string blankProblem(std::u32string_view value);

// ID-card number: 17 ASCII digits and a check character by ISO 7064 MOD 11-2.
std::string sfzhProblem(std::u32string_view value);

// Exam ticket number: 11 ASCII digits.
std::string zkzhProblem(std::u32string_view value);

// Name: 2 to 4 characters from U+4E00 to U+9FA5.
std::string xmProblem(std::u32string_view value);

// Score: "缺考" or 10 to 99 with at most two fractional digits, written in its shortest form.
std::string cjProblem(std::u32string_view value);

} // namespace fieldrules
