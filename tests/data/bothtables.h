#pragma once

#include "data/builtinrecords.h"
#include "data/packed/packedpayload.h"
#include "data/platform/text.h"
#include "data/sealing/sealedlist.h"
#include "data/sealing/sealing.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// The support of every test that looks records up: the repository's list filled into the plain
// table by the program's two stages, and sealed by the tests as a packed list would be, so that a
// test, a fuzz target or a benchmark can read in the plain table what the sealed one must open. A
// test of the plain table alone uses plainTable() and needs no sealed one.

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

// A column's text of record i, as a text box would hold it.
inline std::u16string at(const ResultTable::Column &column, int i)
{
    return std::u16string(column[static_cast<std::size_t>(i)]);
}

// The tests' sealing: a fixed salt, so that the known answers of tests/data/cryptovectors.h hold,
// and a work factor that keeps every record openable in seconds.
inline constexpr sealing::Salt testSalt {0xa6, 0xb1, 0xf0, 0xc3, 0xd2, 0xe5, 0xf4, 0x07, 0x18, 0x29,
    0x30, 0x4b, 0x5c, 0x6d, 0x7e, 0x8f, 0x90, 0xa1, 0xb2, 0xc3, 0xd4, 0xe5, 0xf6, 0x07, 0x18, 0x29,
    0x3a, 0x4b, 0x5c, 0x6d, 0x7e, 0x8f};
inline constexpr std::uint32_t testIterations = 64;

// The plain table's records as sealing takes them.
inline std::vector<sealing::PlainRecord> plainRecordsOf(const ResultTable &table)
{
    std::vector<sealing::PlainRecord> records;
    for (int i = ResultTable::firstRecord; i <= ResultTable::lastRecord; ++i) {
        records.push_back({platformtext::utf8FromUtf16(at(table.sfzh, i)).value_or(""),
            platformtext::utf8FromUtf16(at(table.zkzh, i)).value_or(""), at(table.xm, i),
            at(table.cj, i)});
    }
    return records;
}

// The plain table's first `count` records sealed as a packed list would be, and the table over
// them. The benchmarks seal record 1 alone at the program's work factor: a lookup derives its
// pair's key once, however many records the table holds.
struct SealedRecords
{
    sealing::SealedList list;
    SealedTable table; // points into list

    SealedRecords(std::size_t count, std::uint32_t iterations, const sealing::Salt &salt)
        : list(sealing::sealList(
            std::span<const sealing::PlainRecord>(plainRecordsOf(plainTable())).first(count),
            iterations, salt))
        , table(packedpayload::tableOf(list))
    { }
    SealedRecords(const SealedRecords &) = delete;
    SealedRecords &operator=(const SealedRecords &) = delete;
};

struct BothTables
{
    ResultTable plain = plainTable();
    SealedRecords records {ResultTable::lastRecord, testIterations, testSalt};
    const SealedTable &sealed = records.table;
};

// Both tables, filled once.
inline const BothTables &bothTables()
{
    static const BothTables loaded;
    return loaded;
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
