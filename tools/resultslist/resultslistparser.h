#pragma once

#include "data/resulttable.h"
#include "listproblem.h"
#include "resultrecord.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// How the list was read, for the summary both tools print.
struct ListLayout
{
    std::string encoding; // "UTF-8", "UTF-8（带 BOM）" or "GB18030"
    int firstLineNotUtf8 = 0; // for GB18030: where the bytes stop being UTF-8
    char32_t separator = U'\t'; // a tab, a comma or a semicolon
    int headerLine = 0; // 1 unless title rows stand above the header
    // The header's own name of each column of listColumns, and its position (1 is first).
    std::array<std::u32string, 4> columnNames;
    std::array<std::size_t, 4> columnNumbers {};
    int fieldsTrimmed = 0; // of those four columns and the header, blanks removed around them
};

struct ParsedResultsList
{
    std::vector<ResultRecord> records; // record 1 first; complete only when problems is empty
    std::vector<ListProblem> problems; // in line order; any of them refuses the list
    std::vector<ListProblem> warnings; // for a person to look at; the list is still accepted
    ListLayout layout; // as far as the list was read
};

// Reads the bytes of the results list as an examination office exports it and checks everything
// the program relies on. It takes UTF-8 (with or without BOM) or GB18030, fields separated by
// tabs, commas or semicolons with Excel's quoting, LF or CRLF line ends, title rows above the
// header (the first of the first five rows that names the four columns, in any order among
// others; ColumnHeader), and blank rows and a total row below the records, which it names as no
// candidate; ASCII spaces and U+3000 around a field are removed. Then it wants exactly 1117
// records of four non-empty fields without blanks, the form of each field (listColumns, with
// the damage Excel does to numbers named as such) and unique ID-card and ticket numbers. It
// warns of what Excel may have damaged while every rule still holds: ID-card numbers that end
// in 000, scores without fractions or all with the same number of decimals. Records keep the
// order of the file. It reports every problem it finds rather than stopping at the first, so one
// run shows what needs fixing. It reads no file and writes nothing; the tools do that.
ParsedResultsList parseResultsList(std::string_view contents);
