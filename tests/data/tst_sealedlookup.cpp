// The sealed table as the tests seal the repository's list (a low test work factor): every
// record's own pair opens its name and score, nothing else opens anything, and a damaged record
// is a miss that shows no text.
#include "data/recordlookup.h"
#include "tests/data/bothtables.h"

#include <gtest/gtest.h>

namespace {

const BothTables &tables()
{
    static const BothTables loaded;
    return loaded;
}

std::u16string at(const ResultTable::Column &column, int i)
{
    return std::u16string(column[static_cast<std::size_t>(i)]);
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

TEST(SealedLookup, bothStagesFillEveryRecordAndNoEmptySlot)
{
    SealedTable partial;
    assignRecords501To1117(partial);
    EXPECT_EQ(partial.records[500], nullptr);
    EXPECT_NE(partial.records[501], nullptr);
    EXPECT_FALSE(partial.salt.empty());
    EXPECT_GT(partial.iterations, 0u);
    assignRecords1To500(partial);
    for (int i = SealedTable::firstRecord; i <= SealedTable::lastRecord; ++i) {
        EXPECT_NE(partial.records[static_cast<std::size_t>(i)], nullptr) << i;
    }
    EXPECT_EQ(partial.records[0], nullptr);
    EXPECT_EQ(partial.records[1118], nullptr);
}

TEST(SealedLookup, crossedSwappedAndMistypedPairsFindNothing)
{
    const ResultTable &plain = tables().plain;
    const std::u16string id1 = at(plain.sfzh, 1);
    const std::u16string ticket1 = at(plain.zkzh, 1);
    EXPECT_FALSE(find(u"", u""));
    EXPECT_FALSE(find(id1, u""));
    EXPECT_FALSE(find(u"", ticket1));
    EXPECT_FALSE(find(ticket1, id1));
    EXPECT_FALSE(find(id1, at(plain.zkzh, 2)));
    EXPECT_FALSE(find(at(plain.sfzh, 1117), ticket1));
    EXPECT_FALSE(find(u" " + id1, ticket1));
    EXPECT_FALSE(find(id1, ticket1 + u" "));
    EXPECT_FALSE(find(id1 + ticket1, u""));
    // Where the pair splits matters: the same characters divided elsewhere are another pair.
    EXPECT_FALSE(find(id1.substr(0, 17), id1.substr(17) + ticket1));
    for (int i = ResultTable::firstRecord; i <= ResultTable::lastRecord; ++i) {
        std::u16string id = at(plain.sfzh, i);
        if (id.back() == u'X') {
            id.back() = u'x';
            EXPECT_FALSE(find(id, at(plain.zkzh, i))) << "lower-case x, record " << i;
            break;
        }
    }
    std::u16string fullWidth = id1;
    for (char16_t &c : fullWidth) {
        c = c >= u'0' && c <= u'9' ? static_cast<char16_t>(c - u'0' + 0xFF10) : c;
    }
    EXPECT_FALSE(find(fullWidth, ticket1));
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
    const sealing::SealedRecord &original = *tables().sealed.records[1];
    const std::size_t sealedBytes = sizeof(original.tag) + original.box.size();
    for (std::size_t at_ = 0; at_ < sealedBytes; ++at_) {
        sealing::SealedRecord damaged = original;
        if (at_ < damaged.tag.size()) {
            damaged.tag[at_] ^= 0x20;
        } else {
            damaged.box[at_ - damaged.tag.size()] ^= 0x20;
        }
        SealedTable table = tables().sealed;
        table.records[1] = &damaged;
        EXPECT_FALSE(findRecord(table, at(plain.sfzh, 1), at(plain.zkzh, 1))) << "byte " << at_;
    }
}

TEST(SealedLookup, theFirstRecordWhoseTagMatchesWins)
{
    const ResultTable &plain = tables().plain;
    SealedTable table = tables().sealed;
    table.records[700] = table.records[1117];
    const std::optional<FoundRecord> found
        = findRecord(table, at(plain.sfzh, 1117), at(plain.zkzh, 1117));
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(found->xm, at(plain.xm, 1117));
    // A damaged copy earlier in the table is the one found, and so a miss.
    sealing::SealedRecord damaged = *table.records[1117];
    damaged.box[0] ^= 1;
    table.records[10] = &damaged;
    EXPECT_FALSE(findRecord(table, at(plain.sfzh, 1117), at(plain.zkzh, 1117)));
}
