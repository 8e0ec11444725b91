#pragma once

#include "data/builtinrecords.h"
#include "data/platform/text.h"
#include "data/sealedrecords.h"
#include "data/sealing/sealing.h"

#include <algorithm>
#include <functional>
#include <string>

// The support of every test that looks records up: the repository's list filled into the plain
// table and into the tests' sealed one, each by the program's two stages, so that a test, a fuzz
// target or a benchmark can read in the plain table what the sealed one must open. A test of the
// plain table alone uses plainTable() and needs no sealed one.

inline const ResultTable &plainTable()
{
    static const ResultTable table = [] {
        ResultTable filled;
        assignRecords501To1117(filled);
        assignRecords1To500(filled);
        return filled;
    }();
    return table;
}

struct BothTables
{
    ResultTable plain;
    SealedTable sealed;

    BothTables()
        : plain(plainTable())
    {
        assignRecords501To1117(sealed);
        assignRecords1To500(sealed);
    }
};

// Both tables, filled once.
inline const BothTables &bothTables()
{
    static const BothTables loaded;
    return loaded;
}

// A column's text of record i, as a text box would hold it.
inline std::u16string at(const ResultTable::Column &column, int i)
{
    return std::u16string(column[static_cast<std::size_t>(i)]);
}

// The first record of the plain table that matches, or 0.
inline int firstRecordWhere(const std::function<bool(int)> &matches)
{
    for (int i = ResultTable::firstRecord; i <= ResultTable::lastRecord; ++i) {
        if (matches(i)) {
            return i;
        }
    }
    return 0;
}

// The slot of the sealed table that holds record i of the plain table, found by its tag (one key
// derivation); 0 when none does. The sealed table is in tag order, not in the list's.
inline std::size_t sealedSlotOf(const BothTables &tables, int record)
{
    const std::string pair = sealing::pairBytes(
        platformtext::utf8FromUtf16(at(tables.plain.sfzh, record)).value_or(""),
        platformtext::utf8FromUtf16(at(tables.plain.zkzh, record)).value_or(""));
    const crypto::Digest tag
        = sealing::recordKeys(pair, tables.sealed.salt, tables.sealed.iterations).tag;
    const auto &records = tables.sealed.records;
    const auto found = std::find_if(records.begin(), records.end(),
        [&](const sealing::SealedRecord *sealed) { return sealed && sealed->tag == tag; });
    return found == records.end() ? 0 : static_cast<std::size_t>(found - records.begin());
}
