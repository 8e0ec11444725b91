#pragma once

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

// One broken rule, at a line of the results list (1 is the header) and in a field, or in the line
// as a whole when field is empty. The rule is UTF-8 text.
struct ListProblem
{
    int line = 0;
    std::string field;
    std::string rule;
};

struct ParsedResultsList
{
    std::vector<ResultRecord> records; // record 1 first; complete only when problems is empty
    std::vector<ListProblem> problems; // in line order
};

inline constexpr int resultsListRecordCount = 1117;

// Reads the bytes of the results list and checks everything the program relies on: UTF-8
// without BOM, LF line ends, the exact header, exactly 1117 records of four tab-separated
// non-empty fields without blanks, the form of each field (FieldRules) and unique ID-card and
// ticket numbers. It reports every problem it finds rather than stopping at the first, so one
// run shows what needs fixing. It reads no file and writes nothing; main does that.
ParsedResultsList parseResultsList(std::string_view contents);
