// The candidate lookup over the built-in table: every record's own pair finds it, nothing
// else finds anything, and no input, however odd, breaks the scan.
#include "data/builtinrecords.h"
#include "data/chaxun.h"

#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>

namespace {

std::unique_ptr<ResultTable> builtInTable()
{
    auto table = std::make_unique<ResultTable>();
    assignRecords501To1117(*table);
    assignRecords1To500(*table);
    return table;
}

std::u16string toFullWidthDigits(std::u16string text)
{
    for (char16_t &c : text) {
        if (c >= u'0' && c <= u'9') {
            c = static_cast<char16_t>(c - u'0' + 0xFF10);
        }
    }
    return text;
}

class Chaxun : public testing::Test
{
protected:
    std::u16string sfzh(int i) const { return std::u16string(table->sfzh[std::size_t(i)]); }
    std::u16string zkzh(int i) const { return std::u16string(table->zkzh[std::size_t(i)]); }
    int recordWithX() const
    {
        for (int i = ResultTable::firstRecord; i <= ResultTable::lastRecord; ++i) {
            if (sfzh(i).ends_with(u'X')) {
                return i;
            }
        }
        return 0;
    }

    std::unique_ptr<ResultTable> table = builtInTable();
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
    const int x = recordWithX();
    ASSERT_GT(x, 0);
    std::u16string lowerX = sfzh(x);
    lowerX.back() = u'x';
    const struct
    {
        const char *name;
        std::u16string sfzhText;
        std::u16string zkzhText;
    } cases[] = {
        {"both empty", {}, {}},
        {"ticket number empty", sfzh(1), {}},
        {"ID number empty", {}, zkzh(1)},
        {"lower-case x", lowerX, zkzh(x)},
        {"leading blank", std::u16string(u" ").append(sfzh(1)), zkzh(1)},
        {"trailing blank on the ticket", sfzh(1), zkzh(1) + u" "},
        {"ideographic space", sfzh(1) + u"　", zkzh(1)},
        {"full-width ID digits", toFullWidthDigits(sfzh(1)), zkzh(1)},
        {"full-width ticket digits", sfzh(1117), toFullWidthDigits(zkzh(1117))},
        {"prefix of the ID number", sfzh(1).substr(0, 17), zkzh(1)},
        {"ID number with one more digit", sfzh(1) + u"0", zkzh(1)},
        {"trailing NUL", sfzh(1) + u'\0', zkzh(1)},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(chaxun(*table, c.sfzhText, c.zkzhText), std::nullopt) << c.name;
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
