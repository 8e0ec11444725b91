#include "data/platform/text.h"
#include "data/recordlookup.h"
#include "data/sealedtable.h"

#include <algorithm>
#include <utility>

std::optional<FoundRecord> findRecord(
    const SealedTable &table, std::u16string_view sfzhText, std::u16string_view zkzhText)
{
    const std::optional<std::string> sfzh = platformtext::utf8FromUtf16(sfzhText);
    const std::optional<std::string> zkzh = platformtext::utf8FromUtf16(zkzhText);
    // Text that is not UTF-16 matches nothing, yet costs the derivation like any other miss. It
    // derives from one zero byte, never a pair's encoding, which holds two four-byte lengths;
    // not from an empty password, which CNG may refuse.
    const bool valid = sfzh && zkzh;
    const std::string pair = valid ? sealing::pairBytes(*sfzh, *zkzh) : std::string(1, '\0');
    const sealing::RecordKeys keys = sealing::recordKeys(pair, table.salt, table.iterations);
    if (!valid) {
        return std::nullopt;
    }
    const auto first = table.records.begin() + SealedTable::firstRecord;
    const auto end = table.records.begin() + SealedTable::lastRecord + 1;
    const auto match = std::find_if(first, end,
        [&](const sealing::SealedRecord *record) { return record && record->tag == keys.tag; });
    if (match == end) {
        return std::nullopt;
    }
    std::optional<sealing::NameAndScore> opened = sealing::openRecord(**match, keys);
    if (!opened) {
        return std::nullopt;
    }
    return FoundRecord {std::move(opened->xm), std::move(opened->cj)};
}
