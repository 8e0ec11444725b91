// libFuzzer target for the sealed lookup (the tests' sealed table, at their low work factor): for
// any two UTF-16 texts, valid or not, it must neither crash nor disagree with chaxun on the plain
// table of the same list: a record's name and score exactly when chaxun finds that record,
// nothing otherwise.
//
// Input: two bytes pick a record (0 or above 1117: none), one byte where the rest splits; the
// rest, read as UTF-16 code units, is put before the record's ID-card number and after its
// ticket number, so that both the exact pairs and pairs near them are tried.
// Run: scripts/fuzz.sh [seconds]

#include "data/chaxun.h"
#include "data/recordlookup.h"
#include "tests/data/bothtables.h"
#include "tests/fuzz/fuzzsupport.h"

#include <algorithm>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const BothTables &tables = bothTables();
    if (size < 3) {
        return 0;
    }
    const auto record = static_cast<std::size_t>(data[0] | (data[1] << 8));
    const std::size_t split = data[2];
    std::u16string units;
    for (std::size_t at = 3; at + 1 < size; at += 2) {
        units += static_cast<char16_t>(data[at] | (data[at + 1] << 8));
    }
    const std::size_t cut = std::min(split, units.size());
    std::u16string sfzh = units.substr(0, cut);
    std::u16string zkzh;
    if (record >= ResultTable::firstRecord && record <= ResultTable::lastRecord) {
        sfzh += tables.plain.sfzh[record];
        zkzh += tables.plain.zkzh[record];
    }
    zkzh += units.substr(cut);

    const std::optional<FoundRecord> found = findRecord(tables.sealed, sfzh, zkzh);
    const std::optional<int> expected = chaxun(tables.plain, sfzh, zkzh);
    require(found.has_value() == expected.has_value(), "found exactly when chaxun finds");
    if (found) {
        const auto i = static_cast<std::size_t>(*expected);
        require(found->xm == tables.plain.xm[i] && found->cj == tables.plain.cj[i],
            "the name and score of the record chaxun finds");
    }
    return 0;
}
