// The candidate lookup over the built-in table: every record's own pair finds it, nothing
// else finds anything, and no input, however odd, breaks the scan.
#include "data/chaxun.h"
#include "tests/data/bothtables.h"
#include "tests/data/nearmisses.h"

#include <gtest/gtest.h>
#include <random>
#include <string>

namespace {

class Chaxun : public testing::Test
{
protected:
    std::u16string sfzh(int i) const { return std::u16string(table->sfzh[std::size_t(i)]); }
    std::u16string zkzh(int i) const { return std::u16string(table->zkzh[std::size_t(i)]); }

    const ResultTable *table = &plainTable();
};

TEST_F(Chaxun, EveryRecordIsFoundByItsOwnPair)
{
    for (int i = ResultTable::firstRecord; i <= ResultTable::lastRecord; ++i) {
        EXPECT_EQ(chaxun(*table, sfzh(i), zkzh(i)), std::optional<int>(i)) << "record " << i;
    }
}

TEST_F(Chaxun, NoRecordIsFoundByPairsCrossedBetweenRecords)
{
    for (int i = ResultTable::firstRecord; i <= ResultTable::lastRecord; ++i) {
        const int other = i == ResultTable::lastRecord ? ResultTable::firstRecord : i + 1;
        EXPECT_EQ(chaxun(*table, sfzh(i), zkzh(other)), std::nullopt) << "record " << i;
        EXPECT_EQ(chaxun(*table, zkzh(i), sfzh(i)), std::nullopt) << "record " << i;
    }
}

TEST_F(Chaxun, EntriesThatAreNearlyRightFindNothing)
{
    for (const NearMiss &miss : nearMisses(*table)) {
        EXPECT_EQ(chaxun(*table, miss.sfzh, miss.zkzh), std::nullopt) << miss.name;
    }
    // A view without storage, as a default-constructed one is.
    EXPECT_EQ(chaxun(*table, std::u16string_view(), std::u16string_view()), std::nullopt);
}

TEST_F(Chaxun, TheFirstOfRepeatedPairsWins)
{
    ResultTable repeated = *table;
    repeated.sfzh[900] = table->sfzh[300];
    repeated.zkzh[900] = table->zkzh[300];
    EXPECT_EQ(chaxun(repeated, sfzh(300), zkzh(300)), std::optional<int>(300));
    // The spare slots hold no record, even when they hold the looked-up text.
    repeated.sfzh[0] = u"A";
    repeated.zkzh[0] = u"B";
    repeated.sfzh[1118] = u"C";
    repeated.zkzh[1118] = u"D";
    EXPECT_EQ(chaxun(repeated, u"A", u"B"), std::nullopt);
    EXPECT_EQ(chaxun(repeated, u"C", u"D"), std::nullopt);
}

TEST_F(Chaxun, RandomTextFindsNothing)
{
    std::mt19937 random(20201117);
    // The whole range of code units: NUL, unpaired surrogates and all.
    std::uniform_int_distribution<int> unit(0, 0xFFFF);
    std::uniform_int_distribution<std::size_t> length(0, 39);
    const auto randomText = [&](std::size_t size) {
        std::u16string text(size, u'\0');
        for (char16_t &c : text) {
            c = static_cast<char16_t>(unit(random));
        }
        return text;
    };
    for (int round = 0; round < 3000; ++round) {
        const std::size_t sfzhLength = round % 3 == 0 ? 18 : length(random);
        const std::size_t zkzhLength = round % 3 == 1 ? 11 : length(random);
        ASSERT_EQ(chaxun(*table, randomText(sfzhLength), randomText(zkzhLength)), std::nullopt)
            << "round " << round;
    }
    const std::u16string huge = randomText(std::size_t(1) << 20);
    EXPECT_EQ(chaxun(*table, huge, huge), std::nullopt);
    EXPECT_EQ(chaxun(*table, sfzh(1), huge), std::nullopt);
}

} // namespace
