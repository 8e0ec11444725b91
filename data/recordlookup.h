#pragma once

#include "data/foundrecord.h"

#include <optional>
#include <string_view>

struct ResultTable;
struct SealedTable;

// The lookup the query window asks, whichever table the program is built with: the name and
// score of the first record in table order that carries both the typed ID-card number and the
// typed ticket number, both taken exactly as typed; nothing otherwise.

// The plain table: chaxun, then the record's name and score.
std::optional<FoundRecord> findRecord(
    const ResultTable &table, std::u16string_view sfzhText, std::u16string_view zkzhText);

// The sealed table: one key derivation from the pair, whether it is found or not; a record
// whose seal does not open (a damaged table) is a miss and shows nothing.
std::optional<FoundRecord> findRecord(
    const SealedTable &table, std::u16string_view sfzhText, std::u16string_view zkzhText);
