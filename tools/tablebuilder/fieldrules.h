#pragma once

#include <QString>

// The form every value of the results list must keep, one check per column. Each check returns
// the broken rule as a sentence that quotes the offending value, or an empty string when the
// value is fine. The checks look at one value alone: emptiness, uniqueness and the layout of the
// lines belong to ResultsListParser.
namespace FieldRules {

// The value in double quotes, with tabs, line ends and other control characters escaped so that
// a problem report stays on one line.
QString quoted(QStringView value);

// Any whitespace: space, tab, ideographic space U+3000 and the other Unicode blanks.
QString blankProblem(QStringView value);

// ID-card number: 17 ASCII digits and a check character by ISO 7064 MOD 11-2.
QString sfzhProblem(QStringView value);

// Exam ticket number: 11 ASCII digits.
QString zkzhProblem(QStringView value);

// Name: 2 to 4 characters from U+4E00 to U+9FA5.
QString xmProblem(QStringView value);

// Score: "缺考" or 10 to 99 with at most two fractional digits, written in its shortest form.
QString cjProblem(QStringView value);

} // namespace FieldRules
