#pragma once

#include <array>
#include <string_view>

// The written-test results built into the program: four parallel columns of text, one record
// per index from 1 to 1117. Slots 0 and 1118 belong to no record and stay empty, so a column is
// addressed by the same numbers a reader of the results list uses. The table only holds views of
// constant UTF-16 text that the table builder compiled into the program; it keeps no count, no
// index and no search of its own (the lookup is chaxun). It is filled once, by the query window
// while it loads, and read-only afterwards. Standard C++ only, so every edition shares it.
struct ResultTable
{
    static constexpr int firstRecord = 1;
    static constexpr int lastRecord = 1117;
    static constexpr int slotCount = lastRecord + 2;

    using Column = std::array<std::u16string_view, slotCount>;

    Column sfzh; // ID-card number, 18 characters
    Column zkzh; // exam ticket number, 11 digits
    Column xm; // name
    Column cj; // score as display text, or "缺考"
};
