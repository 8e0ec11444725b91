#pragma once

#include "data/resulttable.h"

#include <optional>
#include <string_view>

// The candidate lookup: the index of the record that carries both the typed ID-card number and
// the typed ticket number, or nothing. Both texts are compared exactly as typed, code unit by
// code unit: no trimming, no case folding, no width folding. Records are examined in table order
// and the first one that matches wins. It knows nothing of windows and never changes the table.
std::optional<int> chaxun(
    const ResultTable &table, std::u16string_view sfzhText, std::u16string_view zkzhText);
