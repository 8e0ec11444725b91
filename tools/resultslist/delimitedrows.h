#pragma once

#include "listproblem.h"

#include <string>
#include <string_view>
#include <vector>

// Splits the decoded results list into rows of fields. The separator is a tab when the first
// line holds one, a comma otherwise. Fields follow RFC 4180 with either separator, as Excel
// writes them: a field in double quotes may hold separators, line breaks and doubled quotes.
// Lines end with LF or CRLF; a final line break ends the last row and starts none. The fields
// are returned as written, blanks included: what they must hold is the parser's business.
struct DelimitedRow
{
    int line = 0; // where the row starts
    std::vector<std::u32string> fields;
};

struct DelimitedRows
{
    char32_t separator = U'\t';
    std::vector<DelimitedRow> rows;
    std::vector<ListProblem> problems; // quotes left open, text after a closing quote, a lone CR
};

DelimitedRows splitRows(std::u32string_view text);
