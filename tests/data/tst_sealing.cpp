// The sealed-records format against answers computed by independent code (cryptovectors.h), and
// the tests' sealed table against the platform's PBKDF2 and HMAC called directly: a changed label,
// pair encoding, salt or work factor fails here, whatever a round trip through sealing.cpp says.
// Also a whole list sealed, and a failing back end that must end in the entry's handler.
#include "data/platform/crypto.h"
#include "data/platform/fatal.h"
#include "data/sealing/sealedlist.h"
#include "tests/data/bothtables.h"
#include "tests/data/cryptovectors.h"

#include <gtest/gtest.h>
#include <stdexcept>

namespace {

const cryptovectors::SealedRecord &known = cryptovectors::sealedRecord;
using cryptovectors::fixed;
using cryptovectors::hexOf;

std::string textOf(std::string_view hex)
{
    const std::vector<std::uint8_t> bytes = cryptovectors::bytes(hex);
    return {bytes.begin(), bytes.end()};
}

// The pair as the format lays it down, written here rather than taken from sealing.cpp.
std::vector<std::uint8_t> independentPair(std::u16string_view sfzh, std::u16string_view zkzh)
{
    std::vector<std::uint8_t> pair;
    for (const std::u16string_view number : {sfzh, zkzh}) {
        // The numbers are ASCII digits and X: one UTF-8 byte each.
        pair.insert(pair.end(), {0, 0, 0, static_cast<std::uint8_t>(number.size())});
        pair.insert(pair.end(), number.begin(), number.end());
    }
    return pair;
}

struct BackendFailure : std::runtime_error
{
    using std::runtime_error::runtime_error;
};

} // namespace

TEST(SealingFormat, thePairEncodingIsTheKnownAnswer)
{
    EXPECT_EQ(hexOf(sealing::pairBytes(known.sfzh, known.zkzh)), known.pair);
}

TEST(SealingFormat, theTagAndAesKeyOfAPairAreTheKnownAnswers)
{
    const sealing::RecordKeys keys
        = sealing::recordKeys(textOf(known.pair), fixed<32>(known.salt), known.iterations);
    EXPECT_EQ(hexOf(keys.tag), known.tag);
    EXPECT_EQ(hexOf(keys.aesKey), known.aesKey);
}

TEST(SealingFormat, aSealedRecordIsTheKnownAnswerAndOpensToItsNameAndScore)
{
    const auto text = sealing::recordText(known.xm, known.cj);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(hexOf(*text), known.text);
    const std::optional<sealing::SealedRecord> sealed = sealing::sealRecord(
        textOf(known.pair), known.xm, known.cj, fixed<32>(known.salt), known.iterations);
    ASSERT_TRUE(sealed.has_value());
    EXPECT_EQ(hexOf(sealed->tag), known.tag);
    EXPECT_EQ(hexOf(sealed->box), known.box);
    const auto opened = sealing::openRecord(
        *sealed, sealing::recordKeys(textOf(known.pair), fixed<32>(known.salt), known.iterations));
    ASSERT_TRUE(opened.has_value());
    EXPECT_EQ(opened->xm, known.xm);
    EXPECT_EQ(opened->cj, known.cj);
}

TEST(SealingFormat, theTestsTableHoldsTheKnownRecordWithItsSaltAndWorkFactor)
{
    const SealedTable &table = bothTables().sealed;
    EXPECT_EQ(hexOf(table.salt), known.salt);
    EXPECT_EQ(table.iterations, known.iterations);
    const std::size_t slot = sealedSlotOf(bothTables(), 1);
    ASSERT_NE(slot, 0u);
    EXPECT_EQ(hexOf(table.records[slot]->tag), known.tag);
    EXPECT_EQ(hexOf(table.records[slot]->box), known.box);
}

TEST(SealingFormat, everyTagOfTheTestsTableIsPbkdf2AndHmacByThePlatformAtItsWorkFactor)
{
    const BothTables &tables = bothTables();
    const std::array<std::uint8_t, 1> tagLabel {1};
    std::vector<crypto::Digest> expected;
    for (int i = ResultTable::firstRecord; i <= ResultTable::lastRecord; ++i) {
        const crypto::Digest key = crypto::pbkdf2Sha256(
            independentPair(at(tables.plain.sfzh, i), at(tables.plain.zkzh, i)), tables.sealed.salt,
            tables.sealed.iterations);
        expected.push_back(crypto::hmacSha256(key, tagLabel));
    }
    std::sort(expected.begin(), expected.end());
    std::vector<crypto::Digest> tags;
    for (int i = SealedTable::firstRecord; i <= SealedTable::lastRecord; ++i) {
        tags.push_back(tables.sealed.records[static_cast<std::size_t>(i)]->tag);
    }
    EXPECT_EQ(tags, expected);
}

TEST(SealingFormat, theTestsTableIsInTagOrderNotInTheListsOrder)
{
    const auto &records = bothTables().sealed.records;
    for (int i = SealedTable::firstRecord; i < SealedTable::lastRecord; ++i) {
        const auto slot = static_cast<std::size_t>(i);
        EXPECT_LT(records[slot]->tag, records[slot + 1]->tag) << "slot " << i;
    }
}

TEST(SealedList, sealsEveryRecordInTagOrderAndCountsToTheEnd)
{
    const std::vector<sealing::PlainRecord> plain = {
        {"430105199012192838", "21410010522", u"卢文兵", u"87.2"},
        {"43030219891028075X", "21410013412", u"宋文毅", u"缺考"},
        {"1", "2", u"", u""},
    };
    const sealing::Salt salt = fixed<32>(known.salt);
    std::vector<std::size_t> counts;
    const sealing::SealedList list
        = sealing::sealList(plain, 3, salt, [&](std::size_t done) { counts.push_back(done); });
    EXPECT_EQ(list.salt, salt);
    EXPECT_EQ(list.iterations, 3u);
    ASSERT_EQ(list.records.size(), plain.size());
    ASSERT_FALSE(counts.empty());
    EXPECT_EQ(counts.back(), plain.size());
    EXPECT_TRUE(std::is_sorted(counts.begin(), counts.end()));
    EXPECT_TRUE(std::is_sorted(list.records.begin(), list.records.end(),
        [](const auto &a, const auto &b) { return a.tag < b.tag; }));
    for (const sealing::PlainRecord &record : plain) {
        const sealing::RecordKeys keys
            = sealing::recordKeys(sealing::pairBytes(record.sfzh, record.zkzh), salt, 3);
        const auto match = std::find_if(list.records.begin(), list.records.end(),
            [&](const sealing::SealedRecord &sealed) { return sealed.tag == keys.tag; });
        ASSERT_NE(match, list.records.end()) << record.sfzh;
        const auto opened = sealing::openRecord(*match, keys);
        ASSERT_TRUE(opened.has_value());
        EXPECT_EQ(opened->xm, record.xm);
        EXPECT_EQ(opened->cj, record.cj);
    }
}

TEST(SealedList, everySealingDrawsItsOwnSalt)
{
    EXPECT_NE(sealing::randomSalt(), sealing::randomSalt());
}

TEST(Fatal, aFailingBackEndEndsInTheEntrysHandlerNeverInAResult)
{
    fatal::setHandler([](std::string_view message) { throw BackendFailure(std::string(message)); });
    const std::vector<std::uint8_t> password(8, 1);
    // No platform derives a key with no iterations.
    EXPECT_THROW(crypto::pbkdf2Sha256(password, password, 0), BackendFailure);
    fatal::setHandler(nullptr);
}
