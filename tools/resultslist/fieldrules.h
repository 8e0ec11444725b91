#pragma once

#include "listproblem.h"

#include <optional>
#include <string>
#include <string_view>

// The form every value of the results list must keep, one check per column. Each check returns
// the broken rule with a Chinese detail that quotes the value, or nothing when the value is
// fine; the line and the column are the caller's to fill in. The checks look at one value alone:
// emptiness, uniqueness and the layout of the lines belong to parseResultsList.
namespace fieldrules {

// The value in Chinese quotation marks, with tabs, line ends, other control characters and
// characters that show nothing escaped, so that a report stays on one line and shows them.
std::string quoted(std::u32string_view value);

// "U+200B": how a report names a character a person cannot see or type.
std::string codePointName(char32_t codePoint);

// Any whitespace (space, tab, ideographic space U+3000 and the other Unicode blanks), or a
// character that shows nothing at all (U+200B, U+FEFF, U+00AD, ...).
std::optional<ListProblem> blankProblem(std::u32string_view value);

// ID-card number: 17 ASCII digits and a check character by ISO 7064 MOD 11-2.
std::optional<ListProblem> sfzhProblem(std::u32string_view value);

// Exam ticket number: 11 ASCII digits.
std::optional<ListProblem> zkzhProblem(std::u32string_view value);

// Name: 2 to 4 characters from U+4E00 to U+9FA5.
std::optional<ListProblem> xmProblem(std::u32string_view value);

// Score: "缺考" or 10 to 99 with at most two fractional digits, written in its shortest form.
std::optional<ListProblem> cjProblem(std::u32string_view value);

} // namespace fieldrules
