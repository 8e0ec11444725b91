#pragma once

#include "listproblem.h"
#include "resultrecord.h"

#include <array>
#include <optional>
#include <string_view>

// The four columns the program needs, in table order, each with every name the header may give
// it, the record's member that holds it and the rule its values keep. This one table drives the
// header, the checks of every value and the generated source; nothing else lists the columns.
struct ListColumn
{
    // The program's name: the table's member in data/resulttable.h and the generated source's.
    std::string_view key;
    // Pinyin initials, as the repository's list names it, then the names of an office's sheet;
    // names[1] is how a report calls the column before the header is read.
    std::array<std::u32string_view, 4> names;
    std::u32string ResultRecord::*member;
    // The value's form, with the damage Excel does to numbers named first.
    std::optional<ListProblem> (*rule)(std::u32string_view value);
    // Whether no two records may share the value: the pair of numbers finds one record.
    bool unique;
};

extern const std::array<ListColumn, 4> listColumns;
