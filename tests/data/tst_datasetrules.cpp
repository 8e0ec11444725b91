// Checks the results list compiled into the program against every rule the lookup and the
// query window rely on, and against the counts of the real examination it stands in for: the
// two loading stages, the forms of the four columns, uniqueness, the ticket-number fields and
// exam rooms, the 18 ticket groups with their sizes and order, and the duplicate names. The
// table is filled exactly as the query window fills it, so a fault in the list or in the table
// builder shows up here.

#include "data/builtinrecords.h"
#include "data/resulttable.h"
#include "tests/data/bothtables.h"
#include "tools/resultslist/utf8.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <ostream>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

constexpr int firstRecord = ResultTable::firstRecord;
constexpr int lastRecord = ResultTable::lastRecord;
constexpr int emptyAfter = lastRecord + 1;
constexpr int secondStageFirst = 501;

constexpr std::u16string_view absent = u"缺考";

struct Columns
{
    const char *name;
    ResultTable::Column ResultTable::*column;
};
constexpr std::array<Columns, 4> allColumns {{{"sfzh", &ResultTable::sfzh},
    {"zkzh", &ResultTable::zkzh}, {"xm", &ResultTable::xm}, {"cj", &ResultTable::cj}}};

// UTF-8 for failure messages; the table holds valid UTF-16.
std::string utf8(std::u16string_view text)
{
    std::u32string codePoints;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00u);
        }
        codePoints += c;
    }
    return utf8text::encode(codePoints);
}

std::string where(int record, std::u16string_view value)
{
    return "record " + std::to_string(record) + ": \"" + utf8(value) + '"';
}

bool isAsciiDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool allAsciiDigits(std::u16string_view text)
{
    return std::all_of(text.begin(), text.end(), isAsciiDigit);
}

int number(std::u16string_view digits)
{
    int value = 0;
    for (const char16_t c : digits) {
        value = value * 10 + (c - u'0');
    }
    return value;
}

// ISO 7064 MOD 11-2 as GB 11643 lays it down, written out with the published weights.
char16_t expectedCheckCharacter(std::u16string_view first17)
{
    constexpr std::array<int, 17> weights {7, 9, 10, 5, 8, 4, 2, 1, 6, 3, 7, 9, 10, 5, 8, 4, 2};
    int sum = 0;
    for (std::size_t i = 0; i < 17; ++i) {
        sum += (first17[i] - u'0') * weights[i];
    }
    return u"10X98765432"[sum % 11];
}

// A numeric score in hundredths of a point, for comparing scores as numbers.
int scoreCents(std::u16string_view score)
{
    const std::size_t point = score.find(u'.');
    const int whole = number(score.substr(0, point));
    std::u16string fraction(point == score.npos ? u"" : score.substr(point + 1));
    fraction.resize(2, u'0');
    return whole * 100 + number(fraction);
}

// Every Unicode White_Space character of the BMP.
bool isBlank(char16_t c)
{
    return (c >= 0x09 && c <= 0x0D) || c == 0x20 || c == 0x85 || c == 0xA0 || c == 0x1680
        || (c >= 0x2000 && c <= 0x200A) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F
        || c == 0x3000;
}

std::u16string_view groupCode(std::u16string_view ticket)
{
    return ticket.substr(0, 7);
}

class DatasetRules : public testing::Test
{
protected:
    static void SetUpTestSuite() { table = &plainTable(); }

    static std::u16string_view sfzh(int i) { return table->sfzh[static_cast<std::size_t>(i)]; }
    static std::u16string_view zkzh(int i) { return table->zkzh[static_cast<std::size_t>(i)]; }
    static std::u16string_view xm(int i) { return table->xm[static_cast<std::size_t>(i)]; }
    static std::u16string_view cj(int i) { return table->cj[static_cast<std::size_t>(i)]; }

    static const ResultTable *table;
};

const ResultTable *DatasetRules::table = nullptr;

TEST_F(DatasetRules, LoadingStages)
{
    auto partial = std::make_unique<ResultTable>();
    assignRecords501To1117(*partial);
    for (const Columns &c : allColumns) {
        const ResultTable::Column &column = (*partial).*c.column;
        for (int i = 0; i <= emptyAfter; ++i) {
            const bool filled = i >= secondStageFirst && i <= lastRecord;
            EXPECT_NE(column[static_cast<std::size_t>(i)].empty(), filled)
                << c.name << " at " << i << " after the first stage";
        }
    }

    const ResultTable afterFirstStage = *partial;
    assignRecords1To500(*partial);
    for (const Columns &c : allColumns) {
        const ResultTable::Column &column = (*partial).*c.column;
        const ResultTable::Column &before = afterFirstStage.*c.column;
        EXPECT_TRUE(column[0].empty());
        EXPECT_TRUE(column[emptyAfter].empty());
        for (int i = firstRecord; i <= lastRecord; ++i) {
            const auto at = static_cast<std::size_t>(i);
            EXPECT_FALSE(column[at].empty()) << c.name << " at " << i;
            // The second stage must leave what the first stage assigned alone.
            if (i >= secondStageFirst) {
                EXPECT_EQ(column[at], before[at]) << c.name << " at " << i;
            }
        }
        EXPECT_TRUE(column == (*table).*c.column) << c.name;
    }
}

TEST_F(DatasetRules, NoEmptyOrBlankValue)
{
    for (const Columns &c : allColumns) {
        const ResultTable::Column &column = (*table).*c.column;
        for (int i = firstRecord; i <= lastRecord; ++i) {
            const std::u16string_view value = column[static_cast<std::size_t>(i)];
            EXPECT_FALSE(value.empty()) << c.name << ' ' << where(i, value);
            EXPECT_TRUE(std::none_of(value.begin(), value.end(), isBlank))
                << c.name << ' ' << where(i, value);
        }
    }
}

// Guards the check-character helper the other tests rely on.
TEST(CheckCharacter, OfPublishedExamples)
{
    for (const std::u16string_view number : {u"11010519491231002X", u"440524188001010014"}) {
        EXPECT_EQ(expectedCheckCharacter(number.substr(0, 17)), number.back()) << utf8(number);
    }
}

TEST_F(DatasetRules, IdCardNumbers)
{
    static const std::set<int> provinces {11, 12, 13, 14, 15, 21, 22, 23, 31, 32, 33, 34, 35, 36,
        37, 41, 42, 43, 44, 45, 46, 50, 51, 52, 53, 54, 61, 62, 63, 64, 65, 71, 81, 82};
    std::set<std::u16string_view> seen;
    int endingInX = 0;
    for (int i = firstRecord; i <= lastRecord; ++i) {
        const std::u16string_view id = sfzh(i);
        ASSERT_EQ(id.size(), 18u) << where(i, id);
        ASSERT_TRUE(allAsciiDigits(id.substr(0, 17))) << where(i, id);
        EXPECT_TRUE(provinces.contains(number(id.substr(0, 2)))) << where(i, id);
        // Candidates were between 18 and 65 years old at the 2020 examination.
        const std::chrono::year_month_day birth {std::chrono::year(number(id.substr(6, 4))),
            std::chrono::month(static_cast<unsigned>(number(id.substr(10, 2)))),
            std::chrono::day(static_cast<unsigned>(number(id.substr(12, 2))))};
        EXPECT_TRUE(birth.ok()) << where(i, id);
        EXPECT_TRUE(
            birth >= std::chrono::year(1955) / 1 / 1 && birth <= std::chrono::year(2002) / 12 / 31)
            << where(i, id);
        EXPECT_EQ(id.back(), expectedCheckCharacter(id.substr(0, 17))) << where(i, id);
        if (id.back() == u'X') {
            ++endingInX;
        }
        seen.insert(id);
    }
    EXPECT_EQ(seen.size(), std::size_t(lastRecord));
    EXPECT_EQ(endingInX, 97);
    EXPECT_EQ(lastRecord - endingInX, 1020);
}

TEST_F(DatasetRules, TicketNumberCodes)
{
    std::set<std::u16string_view> tickets;
    std::set<char16_t> firstDigits;
    std::set<std::u16string_view> postCodes;
    std::set<std::u16string_view> kindCodes;
    std::set<std::u16string_view> groupCodes;
    std::map<std::u16string_view, std::set<std::u16string_view>> kindsOfPost;
    for (int i = firstRecord; i <= lastRecord; ++i) {
        const std::u16string_view ticket = zkzh(i);
        ASSERT_TRUE(ticket.size() == 11 && allAsciiDigits(ticket)) << where(i, ticket);
        tickets.insert(ticket);
        firstDigits.insert(ticket.front());
        postCodes.insert(ticket.substr(0, 3));
        kindCodes.insert(ticket.substr(3, 4));
        groupCodes.insert(groupCode(ticket));
        kindsOfPost[ticket.substr(0, 3)].insert(ticket.substr(3, 4));
    }
    EXPECT_EQ(tickets.size(), std::size_t(lastRecord));

    ASSERT_EQ(firstDigits.size(), 1u);
    EXPECT_NE(*firstDigits.begin(), u'0');
    EXPECT_EQ(postCodes.size(), 17u);
    EXPECT_EQ(groupCodes.size(), 18u);

    ASSERT_EQ(kindCodes.size(), 2u);
    const std::u16string_view kindA = *kindCodes.begin();
    const std::u16string_view kindB = *std::next(kindCodes.begin());
    for (std::size_t d = 0; d < 4; ++d) {
        EXPECT_EQ(kindA[d] != kindB[d], d == 1) << "digit " << d;
    }

    const auto postsWithBothKinds = std::count_if(kindsOfPost.begin(), kindsOfPost.end(),
        [](const auto &post) { return post.second.size() > 1; });
    EXPECT_EQ(postsWithBothKinds, 1);
}

TEST_F(DatasetRules, ExamRoomsAndSeats)
{
    std::map<int, std::set<int>> seatsOfRoom;
    std::map<int, std::set<std::u16string_view>> groupsOfRoom;
    std::set<std::u16string_view> roomAndSeat;
    for (int i = firstRecord; i <= lastRecord; ++i) {
        const std::u16string_view ticket = zkzh(i);
        const int room = number(ticket.substr(7, 2));
        const int seat = number(ticket.substr(9, 2));
        EXPECT_TRUE(room >= 1 && room <= 39) << where(i, ticket);
        EXPECT_TRUE(seat >= 1 && seat <= 30) << where(i, ticket);
        EXPECT_TRUE(roomAndSeat.insert(ticket.substr(7)).second) << where(i, ticket);
        seatsOfRoom[room].insert(seat);
        groupsOfRoom[room].insert(groupCode(ticket));
    }

    EXPECT_EQ(seatsOfRoom.size(), 39u);
    int fullRooms = 0;
    int shortRooms = 0;
    for (const auto &[room, seats] : seatsOfRoom) {
        const int lastSeat = *seats.rbegin();
        EXPECT_EQ(seats.size(), std::size_t(lastSeat)) << "room " << room << " has a gap";
        if (lastSeat == 30) {
            ++fullRooms;
        } else {
            ++shortRooms;
        }
        EXPECT_GT(groupsOfRoom[room].size(), 1u) << "room " << room << " holds one group only";
    }
    EXPECT_EQ(fullRooms, 35);
    EXPECT_EQ(shortRooms, 4);
}

TEST_F(DatasetRules, Names)
{
    std::map<std::size_t, int> byLength;
    std::map<std::u16string_view, int> occurrences;
    for (int i = firstRecord; i <= lastRecord; ++i) {
        const std::u16string_view name = xm(i);
        for (const char16_t c : name) {
            EXPECT_TRUE(c >= 0x4E00 && c <= 0x9FA5) << where(i, name);
        }
        ++byLength[name.size()];
        ++occurrences[name];
    }
    const std::map<std::size_t, int> expectedLengths {{2, 281}, {3, 835}, {4, 1}};
    EXPECT_EQ(byLength, expectedLengths);

    EXPECT_EQ(occurrences.size(), 1089u);
    std::map<int, int> namesByOccurrences;
    for (const auto &[name, count] : occurrences) {
        ++namesByOccurrences[count];
    }
    const std::map<int, int> expectedRepeats {{1, 1065}, {2, 21}, {3, 2}, {4, 1}};
    EXPECT_EQ(namesByOccurrences, expectedRepeats);
}

TEST_F(DatasetRules, Scores)
{
    // Shortest form: no leading zero, no trailing fractional zero, below 100.
    static const std::regex form("[1-9][0-9](\\.([1-9]|[0-9][1-9]))?");
    int absentCount = 0;
    std::map<int, int> byFractionDigits;
    std::map<int, std::u16string_view> textOfValue;
    for (int i = firstRecord; i <= lastRecord; ++i) {
        const std::u16string_view score = cj(i);
        if (score == absent) {
            ++absentCount;
            continue;
        }
        ASSERT_TRUE(std::regex_match(utf8(score), form)) << where(i, score);
        const std::size_t point = score.find(u'.');
        ++byFractionDigits[point == score.npos ? 0 : int(score.size() - point - 1)];
        const auto [known, inserted] = textOfValue.emplace(scoreCents(score), score);
        EXPECT_EQ(known->second, score) << where(i, score);
    }
    EXPECT_EQ(absentCount, 108);
    const std::map<int, int> expectedForms {{0, 109}, {1, 208}, {2, 692}};
    EXPECT_EQ(byFractionDigits, expectedForms);
}

TEST_F(DatasetRules, GroupSequence)
{
    std::vector<std::u16string_view> runs;
    for (int i = firstRecord; i <= lastRecord; ++i) {
        if (runs.empty() || runs.back() != groupCode(zkzh(i))) {
            runs.push_back(groupCode(zkzh(i)));
        }
    }
    ASSERT_EQ(runs.size(), 18u);
    // A code that came back after another group would be a second run of the same group.
    EXPECT_EQ(std::set<std::u16string_view>(runs.begin(), runs.end()).size(), 18u);

    std::vector<std::u16string_view> ascending = runs;
    std::sort(ascending.begin(), ascending.end());
    const std::vector<std::u16string_view> descending(ascending.rbegin(), ascending.rend());
    EXPECT_NE(runs, ascending);
    EXPECT_NE(runs, descending);

    // Groups 7 and 8 are the one post with both kinds.
    EXPECT_EQ(runs[6].substr(0, 3), runs[7].substr(0, 3));
}

struct TicketGroupRow
{
    int first;
    int last;
    int absentCount;
};

// A group by its records, such as "records1to38": the name ctest lists it by and the value a
// failure shows.
std::string recordsName(const TicketGroupRow &group)
{
    return "records" + std::to_string(group.first) + "to" + std::to_string(group.last);
}

void PrintTo(const TicketGroupRow &group, std::ostream *out)
{
    *out << recordsName(group);
}

class TicketGroup : public DatasetRules, public testing::WithParamInterface<TicketGroupRow>
{ };

TEST_P(TicketGroup, IsOneRunInScoreOrder)
{
    const auto [first, last, absentCount] = GetParam();
    const std::u16string_view code = groupCode(zkzh(first));
    for (int i = first; i <= last; ++i) {
        EXPECT_EQ(groupCode(zkzh(i)), code) << where(i, zkzh(i));
    }
    // The run is maximal: its neighbours belong to other groups.
    if (first > firstRecord) {
        EXPECT_NE(groupCode(zkzh(first - 1)), code);
    }
    if (last < lastRecord) {
        EXPECT_NE(groupCode(zkzh(last + 1)), code);
    }

    int absentSeen = 0;
    for (int i = first; i <= last; ++i) {
        if (cj(i) == absent) {
            ++absentSeen;
        }
    }
    EXPECT_EQ(absentSeen, absentCount);

    // Scores descending, equal scores by ticket number, then the absent by ticket number.
    for (int i = first; i < last; ++i) {
        const std::string pair = "records " + std::to_string(i) + " and " + std::to_string(i + 1);
        const bool thisAbsent = cj(i) == absent;
        const bool nextAbsent = cj(i + 1) == absent;
        EXPECT_TRUE(!thisAbsent || nextAbsent) << pair;
        if (!thisAbsent && !nextAbsent && scoreCents(cj(i)) != scoreCents(cj(i + 1))) {
            EXPECT_GT(scoreCents(cj(i)), scoreCents(cj(i + 1))) << pair;
        } else if (thisAbsent == nextAbsent) {
            EXPECT_LT(zkzh(i), zkzh(i + 1)) << pair;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Groups, TicketGroup,
    testing::Values(TicketGroupRow {1, 38, 2}, TicketGroupRow {39, 90, 10},
        TicketGroupRow {91, 112, 5}, TicketGroupRow {113, 158, 0}, TicketGroupRow {159, 197, 6},
        TicketGroupRow {198, 225, 5}, TicketGroupRow {226, 302, 13}, TicketGroupRow {303, 828, 24},
        TicketGroupRow {829, 834, 0}, TicketGroupRow {835, 870, 4}, TicketGroupRow {871, 883, 2},
        TicketGroupRow {884, 908, 4}, TicketGroupRow {909, 928, 3}, TicketGroupRow {929, 937, 1},
        TicketGroupRow {938, 957, 2}, TicketGroupRow {958, 992, 9}, TicketGroupRow {993, 1067, 15},
        TicketGroupRow {1068, 1117, 3}),
    [](const testing::TestParamInfo<TicketGroupRow> &group) { return recordsName(group.param); });

} // namespace
