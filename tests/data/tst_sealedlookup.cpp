// The sealed table as the tests seal the repository's list (a low test work factor): every
// record's own pair opens its name and score, no near miss opens anything, and a damaged record
// is a miss that shows no text.
#include "data/recordlookup.h"
#include "tests/data/bothtables.h"
#include "tests/data/nearmisses.h"

#include <gtest/gtest.h>

namespace {

const BothTables &tables()
{
    return bothTables();
}

std::optional<FoundRecord> find(std::u16string_view sfzh, std::u16string_view zkzh)
{
    return findRecord(tables().sealed, sfzh, zkzh);
}

} // namespace

TEST(SealedLookup, everyRecordsOwnPairOpensItsNameAndScore)
{
    const ResultTable &plain = tables().plain;
    for (int i = ResultTable::firstRecord; i <= ResultTable::lastRecord; ++i) {
        const std::optional<FoundRecord> found = find(at(plain.sfzh, i), at(plain.zkzh, i));
        ASSERT_TRUE(found.has_value()) << "record " << i;
        EXPECT_EQ(found->xm, at(plain.xm, i)) << "record " << i;
        EXPECT_EQ(found->cj, at(plain.cj, i)) << "record " << i;
    }
}

TEST(SealedLookup, aSealedListFillsEveryRecordAndNoEmptySlot)
{
    const SealedTable &table = bothTables().sealed;
    EXPECT_EQ(table.salt.size(), testSalt.size());
    EXPECT_EQ(table.iterations, testIterations);
    for (int i = SealedTable::firstRecord; i <= SealedTable::lastRecord; ++i) {
        EXPECT_NE(table.records[static_cast<std::size_t>(i)], nullptr) << i;
    }
    EXPECT_EQ(table.records[0], nullptr);
    EXPECT_EQ(table.records[1118], nullptr);
}

TEST(SealedLookup, nearMissesFindNothing)
{
    for (const NearMiss &miss : nearMisses(tables().plain)) {
        EXPECT_FALSE(find(miss.sfzh, miss.zkzh)) << miss.name;
    }
}

TEST(SealedLookup, textThatIsNotUtf16FindsNothing)
{
    const ResultTable &plain = tables().plain;
    const std::u16string lone(1, char16_t {0xD800});
    EXPECT_FALSE(find(lone, lone));
    EXPECT_FALSE(find(at(plain.sfzh, 1) + lone, at(plain.zkzh, 1)));
    EXPECT_FALSE(find(at(plain.sfzh, 1), lone + at(plain.zkzh, 1)));
}

TEST(SealedLookup, aFlippedByteInATagOrASealIsAMissNeverText)
{
    const ResultTable &plain = tables().plain;
    const std::size_t slot = sealedSlotOf(tables(), 1);
    ASSERT_NE(slot, 0u);
    const sealing::SealedRecord &original = *tables().sealed.records[slot];
    const std::size_t sealedBytes = sizeof(original.tag) + original.box.size();
    for (std::size_t at_ = 0; at_ < sealedBytes; ++at_) {
        sealing::SealedRecord damaged = original;
        if (at_ < damaged.tag.size()) {
            damaged.tag[at_] ^= 0x20;
        } else {
            damaged.box[at_ - damaged.tag.size()] ^= 0x20;
        }
        SealedTable table = tables().sealed;
        table.records[slot] = &damaged;
        EXPECT_FALSE(findRecord(table, at(plain.sfzh, 1), at(plain.zkzh, 1))) << "byte " << at_;
    }
}

TEST(SealedLookup, theFirstRecordWhoseTagMatchesWins)
{
    const ResultTable &plain = tables().plain;
    const std::size_t slot = sealedSlotOf(tables(), 1117);
    // The fixed salt of the tests' table puts record 1117 past the first slot.
    ASSERT_GT(slot, 1u);
    SealedTable table = tables().sealed;
    table.records[slot == 1117 ? 1116 : 1117] = table.records[slot];
    const std::optional<FoundRecord> found
        = findRecord(table, at(plain.sfzh, 1117), at(plain.zkzh, 1117));
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->xm, at(plain.xm, 1117));
    // A damaged copy earlier in the table is the one found, and so a miss.
    sealing::SealedRecord damaged = *table.records[slot];
    damaged.box[0] ^= 1;
    table.records[1] = &damaged;
    EXPECT_FALSE(findRecord(table, at(plain.sfzh, 1117), at(plain.zkzh, 1117)));
}
