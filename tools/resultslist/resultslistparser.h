#pragma once

#include "data/resulttable.h"
#include "listproblem.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

// One candidate's line of the results list, as text ready to be compiled in.
struct ResultRecord
{
    std::u32string sfzh;
    std::u32string zkzh;
    std::u32string xm;
    std::u32string cj;
};

// How the list was read, for the summary the builder prints.
struct ListLayout
{
    std::string encoding; // "UTF-8", "UTF-8 with BOM" or "GB18030"
    int firstLineNotUtf8 = 0; // for GB18030: where the bytes stop being UTF-8
    std::string separator; // "tab" or "comma"
    // The header's name of sfzh, zkzh, xm and cj in double quotes, and its column (1 is first).
    std::array<std::string, 4> columnNames;
    std::array<std::size_t, 4> columnNumbers {};
    int fieldsTrimmed = 0; // of those four columns and the header, blanks removed around them
};

struct ParsedResultsList
{
    std::vector<ResultRecord> records; // record 1 first; complete only when problems is empty
    std::vector<ListProblem> problems; // in line order
    ListLayout layout; // as far as the list was read
};

// Reads the bytes of the results list as an examination office exports it and checks everything
// the program relies on. It takes UTF-8 (with or without BOM) or GB18030, tab- or
// comma-separated fields with Excel's quoting, LF or CRLF line ends, and a header that names the
// four columns in any order among others (ColumnHeader); ASCII spaces and U+3000 around a field
// are removed. Then it wants exactly 1117 records of four non-empty fields without blanks, the
// form of each field (fieldrules, with the damage Excel does to numbers named as such by
// exceldamage) and unique ID-card and ticket numbers. Records keep the order of the file. It
// reports every problem it finds rather than stopping at the first, so one run shows what needs
// fixing. It reads no file and writes nothing; main does that.
ParsedResultsList parseResultsList(std::string_view contents);
