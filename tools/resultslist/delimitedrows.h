#pragma once

#include "listproblem.h"

#include <cstddef>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

// Splits the decoded results list into rows of fields at a separator (a tab, a comma, or the
// semicolon of Excel in a decimal-comma locale); which one a list uses is the parser's to find.
// Fields follow RFC 4180 with any separator, as Excel writes them: a field in double quotes may
// hold separators, line breaks and doubled quotes. Lines end with LF or CRLF; a final line break
// ends the last row and starts none. A text whose lines all end with CR alone (an old Mac's) is
// one problem and no rows. The fields are returned as written, blanks included: what they must
// hold is the parser's business.
struct DelimitedRow
{
    int line = 0; // where the row starts; row n of the sheet is rows[n - 1]
    std::vector<std::u32string> fields;
};

struct DelimitedRows
{
    std::vector<DelimitedRow> rows;
    std::vector<ListProblem> problems; // quotes left open, text after a closing quote, a lone CR
};

// At most maxRows rows, for a look at the top of the list.
DelimitedRows splitRows(std::u32string_view text, char32_t separator,
    std::size_t maxRows = std::numeric_limits<std::size_t>::max());
