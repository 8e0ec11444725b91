// datagen: writes the synthetic results list that is compiled into the program
// (data/results.tsv). The real candidates' records are personal data, so the program ships an
// invented list that keeps every form, count, grouping and order the real one has: 1117
// records in 18 ticket groups, 39 exam rooms, names with the same duplicate counts, scores with
// the same mix of whole, one-place and two-place values, and "缺考" for candidates who did not
// sit the test.
//
// Usage: datagen [output.tsv]
// With one argument the list is written to that file, otherwise to standard output. The output
// is the same byte for byte on every platform: the seed is fixed, the pseudo-random numbers come
// from our own splitmix64 with our own range mapping (no std distributions, whose results differ
// between standard libraries), no floating point is used, and the file is UTF-8 with LF line
// ends. data/results.tsv is this program's output, and a test checks that it still is.
//
// It does not check the list against every rule itself; the dataset tests do that on the table
// built into the program.

#include "tools/common/idcardcheck.h"
#include "tools/resultslist/utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace {

// splitmix64 (Steele, Lea, Flood 2014): tiny, fast and defined entirely by its integer steps.
class Random
{
public:
    explicit Random(std::uint64_t seed)
        : state(seed)
    { }

    std::uint64_t next()
    {
        state += 0x9e3779b97f4a7c15ULL;
        std::uint64_t z = state;
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    // Uniform in [0, n): rejecting the top remainder keeps every value equally likely.
    int below(int n)
    {
        const auto range = static_cast<std::uint64_t>(n);
        const std::uint64_t limit = UINT64_MAX - UINT64_MAX % range;
        std::uint64_t value = next();
        while (value >= limit) {
            value = next();
        }
        return static_cast<int>(value % range);
    }

    // Biased towards the front of a list ordered from common to rare.
    int frontWeighted(int n)
    {
        const int first = below(n);
        return std::min(first, below(n));
    }

    template<typename T> void shuffle(std::vector<T> &items)
    {
        for (std::size_t i = items.size(); i > 1; --i) {
            const auto j = static_cast<std::size_t>(below(static_cast<int>(i)));
            std::swap(items[i - 1], items[j]);
        }
    }

private:
    std::uint64_t state;
};

struct GroupPlan
{
    std::string_view code; // ticket digits 1 to 7
    int records;
    int absent; // of which "缺考"
};

// The 18 ticket groups in table order. Digits 1 to 3 name the post, digits 4 to 7 the kind of
// post; groups 7 and 8 are the one post offered in both kinds.
constexpr std::array<GroupPlan, 18> groupPlans {{
    {"2141001", 38, 2},
    {"2031001", 52, 10},
    {"2091101", 22, 5},
    {"2011001", 46, 0},
    {"2161101", 39, 6},
    {"2071001", 28, 5},
    {"2111001", 77, 13},
    {"2111101", 526, 24},
    {"2051101", 6, 0},
    {"2171001", 36, 4},
    {"2021101", 13, 2},
    {"2131001", 25, 4},
    {"2081001", 20, 3},
    {"2151101", 9, 1},
    {"2041001", 20, 2},
    {"2101101", 35, 9},
    {"2061001", 75, 15},
    {"2121101", 50, 3},
}};

constexpr int recordCount = 1117;
constexpr int roomCount = 39;
constexpr int seatsPerRoom = 30;

struct ShortRoom
{
    int room;
    int seats;
};
// 35 full rooms hold 1050 candidates; these four hold the remaining 67.
constexpr std::array<ShortRoom, 4> shortRooms {{{9, 16}, {17, 19}, {28, 14}, {39, 18}}};

// Surnames roughly from most to least common.
constexpr std::u32string_view surnames
    = U"王李张刘陈杨黄赵吴周徐孙马朱胡郭何高林罗郑梁谢宋唐许韩冯邓曹彭曾肖田董袁潘于蒋蔡余杜叶"
      U"程苏魏吕丁任沈姚卢姜崔钟谭陆汪范金石廖贾夏韦付方白邹孟熊秦邱江尹薛闫段雷侯龙史陶黎贺"
      U"顾毛郝龚邵万钱严覃武戴莫孔向汤";
constexpr std::array<std::u32string_view, 4> compoundSurnames {U"欧阳", U"司马", U"诸葛", U"上官"};

// Given-name characters: the last one carries most of the name's gender, the first of two is
// drawn from a softer list.
constexpr std::u32string_view maleLast
    = U"伟强磊军勇杰涛斌超明刚平辉鹏华飞鑫波宇浩凯健俊帆旭宁龙林阳建国志文峰成亮博晨轩航东海兵"
      U"锋毅坤鸿彬";
constexpr std::u32string_view femaleLast
    = U"芳娜敏静丽艳娟霞燕玲婷慧莹雪琳颖倩洁琴云丹萍红梅莉兰蓉薇佳欣悦怡璐瑶晶月岚彤妍露菲";
constexpr std::u32string_view maleFirst = U"志建国俊子家天宏永文明晓思浩嘉一少新振德";
constexpr std::u32string_view femaleFirst = U"晓雨思佳欣梦雅诗嘉静美丽春秋玉文子若慧婉";

// County codes of the examination's home province, then a few from elsewhere.
constexpr std::array<std::string_view, 30> regionCodes {"430102", "430103", "430104", "430105",
    "430111", "430112", "430121", "430181", "430182", "430202", "430203", "430204", "430211",
    "430212", "430223", "430224", "430281", "430302", "430304", "430321", "430381", "430382",
    "430602", "430621", "430902", "430921", "431102", "420106", "360102", "440106"};

struct Name
{
    std::u32string text;
    bool female = false;
};

struct Record
{
    Name name;
    int scoreCents = -1; // -1 for "缺考"
    int room = 0;
    int seat = 0;
    std::string sfzh;
    std::string zkzh;
};

char32_t pick(Random &random, std::u32string_view chars)
{
    return chars[static_cast<std::size_t>(random.below(static_cast<int>(chars.size())))];
}

Name drawName(Random &random, int length)
{
    Name name;
    name.female = random.below(2) == 1;
    const std::u32string_view first = name.female ? femaleFirst : maleFirst;
    const std::u32string_view last = name.female ? femaleLast : maleLast;
    std::u32string given;
    if (length != 2) {
        given.push_back(pick(random, first));
    }
    given.push_back(pick(random, last));
    if (length == 4) {
        name.text = compoundSurnames[static_cast<std::size_t>(
            random.below(static_cast<int>(compoundSurnames.size())))];
    } else {
        name.text.push_back(surnames[static_cast<std::size_t>(
            random.frontWeighted(static_cast<int>(surnames.size())))]);
    }
    name.text += given;
    return name;
}

// How many distinct names of one length occur once, twice, three and four times.
struct NameQuota
{
    int length;
    std::array<int, 4> byOccurrences;
};
// 281 two-character, 835 three-character and 1 four-character names; 1089 distinct, of which
// 21 occur twice, 2 three times and 1 four times. Common short names repeat most.
constexpr std::array<NameQuota, 3> nameQuotas {{
    {2, {243, 14, 2, 1}},
    {3, {821, 7, 0, 0}},
    {4, {1, 0, 0, 0}},
}};

std::vector<Name> drawNames(Random &random)
{
    std::set<std::u32string> used;
    std::vector<Name> names;
    for (const NameQuota &quota : nameQuotas) {
        // Rarer multiplicities first, so the repeated names are the earliest drawn.
        for (int occurrences = 4; occurrences >= 1; --occurrences) {
            for (int i = 0; i < quota.byOccurrences[static_cast<std::size_t>(occurrences - 1)];
                 ++i) {
                Name name = drawName(random, quota.length);
                while (name.text[name.text.size() - 1] == name.text[name.text.size() - 2]
                    || !used.insert(name.text).second) {
                    name = drawName(random, quota.length);
                }
                names.insert(names.end(), static_cast<std::size_t>(occurrences), name);
            }
        }
    }
    random.shuffle(names);
    return names;
}

enum class ScoreForm { Whole, OnePlace, TwoPlaces };

// 109 whole scores, 208 with one fractional digit and 692 with two.
std::vector<ScoreForm> scoreForms(Random &random)
{
    std::vector<ScoreForm> forms;
    forms.insert(forms.end(), 109, ScoreForm::Whole);
    forms.insert(forms.end(), 208, ScoreForm::OnePlace);
    forms.insert(forms.end(), 692, ScoreForm::TwoPlaces);
    random.shuffle(forms);
    return forms;
}

// A score in hundredths of a point, roughly bell-shaped: the sum of four uniform draws around a
// per-group level, from 24.00 to 99.96. Draws that would print in another form are redrawn.
int drawScore(Random &random, int groupLevel, ScoreForm form)
{
    for (;;) {
        int cents = 2400 + groupLevel;
        for (int i = 0; i < 4; ++i) {
            cents += random.below(1700);
        }
        switch (form) {
        case ScoreForm::Whole:
            return cents - cents % 100;
        case ScoreForm::OnePlace:
            cents -= cents % 10;
            if (cents % 100 != 0) {
                return cents;
            }
            break;
        case ScoreForm::TwoPlaces:
            if (cents % 10 != 0) {
                return cents;
            }
            break;
        }
    }
}

// Shortest decimal form: "75", "75.5", "75.25".
std::string scoreText(int cents)
{
    if (cents < 0) {
        return utf8text::encode(U"缺考");
    }
    std::string text = std::to_string(cents / 100);
    const int fraction = cents % 100;
    if (fraction != 0) {
        text += '.';
        text += static_cast<char>('0' + fraction / 10);
        if (fraction % 10 != 0) {
            text += static_cast<char>('0' + fraction % 10);
        }
    }
    return text;
}

int seatsIn(int room)
{
    for (const ShortRoom &shortRoom : shortRooms) {
        if (shortRoom.room == room) {
            return shortRoom.seats;
        }
    }
    return seatsPerRoom;
}

// Candidates of all posts sit mixed together, so every room holds more than one group.
std::vector<std::pair<int, int>> drawSeats(Random &random)
{
    std::vector<std::pair<int, int>> slots;
    for (int room = 1; room <= roomCount; ++room) {
        for (int seat = 1; seat <= seatsIn(room); ++seat) {
            slots.emplace_back(room, seat);
        }
    }
    random.shuffle(slots);
    return slots;
}

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    constexpr std::array<int, 12> days {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && isLeapYear(year) ? 29 : days[static_cast<std::size_t>(month - 1)];
}

std::string twoDigits(int value)
{
    return std::string {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

// An identity number: county, birth date from 1985 to 2000 (most around 1992), a sequence
// number whose last digit is odd for men and even for women, and the check character.
std::string drawIdNumber(Random &random, bool female)
{
    // Separate statements: the order in which operands of + are evaluated is unspecified.
    int year = 1985 + random.below(9);
    year += random.below(8);
    const int month = 1 + random.below(12);
    const int day = 1 + random.below(daysInMonth(year, month));
    int sequence = random.below(1000);
    if ((sequence % 2 == 0) != female) {
        sequence ^= 1;
    }
    if (sequence == 0) {
        sequence = 2;
    }
    std::string number {regionCodes[static_cast<std::size_t>(
        random.frontWeighted(static_cast<int>(regionCodes.size())))]};
    number += std::to_string(year) + twoDigits(month) + twoDigits(day);
    number += static_cast<char>('0' + sequence / 100);
    number += twoDigits(sequence % 100);
    number += idCardCheckCharacter(std::string_view(number));
    return number;
}

// 97 of the 1117 numbers end in "X"; each record is told beforehand which kind it gets.
void assignIdNumbers(Random &random, std::vector<Record> &records)
{
    // 'X' or '0' for a digit; a vector of char because vector<bool> elements cannot be swapped.
    std::vector<char> lastKind(records.size(), '0');
    std::fill_n(lastKind.begin(), 97, 'X');
    random.shuffle(lastKind);
    std::set<std::string> used;
    for (std::size_t i = 0; i < records.size(); ++i) {
        const bool wantX = lastKind[i] == 'X';
        std::string number;
        do {
            number = drawIdNumber(random, records[i].name.female);
        } while ((number.back() == 'X') != wantX || used.count(number) != 0);
        used.insert(number);
        records[i].sfzh = number;
    }
}

// Within a group: scores descending, equal scores by ticket number, then the absent candidates
// by ticket number.
bool comesBefore(const Record &a, const Record &b)
{
    const bool aAbsent = a.scoreCents < 0;
    const bool bAbsent = b.scoreCents < 0;
    if (aAbsent != bAbsent) {
        return bAbsent;
    }
    if (a.scoreCents != b.scoreCents) {
        return a.scoreCents > b.scoreCents;
    }
    return a.zkzh < b.zkzh;
}

bool everyRoomMixed(const std::vector<Record> &records)
{
    std::array<std::set<std::string>, roomCount + 1> groupsInRoom;
    for (const Record &record : records) {
        groupsInRoom[static_cast<std::size_t>(record.room)].insert(record.zkzh.substr(0, 7));
    }
    return std::all_of(groupsInRoom.begin() + 1, groupsInRoom.end(),
        [](const std::set<std::string> &groups) { return groups.size() > 1; });
}

std::vector<Record> generate()
{
    Random random(0x4d65727232303230ULL);
    const std::vector<Name> names = drawNames(random);
    const std::vector<ScoreForm> forms = scoreForms(random);
    const std::vector<std::pair<int, int>> seats = drawSeats(random);

    std::vector<Record> records;
    std::size_t formIndex = 0;
    for (const GroupPlan &plan : groupPlans) {
        const int groupLevel = random.below(801);
        const auto groupStart = static_cast<std::ptrdiff_t>(records.size());
        for (int i = 0; i < plan.records; ++i) {
            Record record;
            record.name = names[records.size()];
            if (i >= plan.absent) {
                record.scoreCents = drawScore(random, groupLevel, forms[formIndex++]);
            }
            std::tie(record.room, record.seat) = seats[records.size()];
            record.zkzh = std::string {plan.code} + twoDigits(record.room) + twoDigits(record.seat);
            records.push_back(record);
        }
        std::sort(records.begin() + groupStart, records.end(), comesBefore);
    }
    assignIdNumbers(random, records);
    return records;
}

void write(std::ostream &out, const std::vector<Record> &records)
{
    out << "sfzh\tzkzh\txm\tcj\n";
    for (const Record &record : records) {
        out << record.sfzh << '\t' << record.zkzh << '\t' << utf8text::encode(record.name.text)
            << '\t' << scoreText(record.scoreCents) << '\n';
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 2) {
        std::cerr << "usage: datagen [output.tsv]\n";
        return 2;
    }
    const std::vector<Record> records = generate();
    if (records.size() != recordCount || !everyRoomMixed(records)) {
        std::cerr << "datagen: the drawn list breaks the room or count rules\n";
        return 1;
    }
    std::ostringstream text;
    write(text, records);
    if (argc == 2) {
        std::ofstream file(argv[1], std::ios::binary | std::ios::trunc);
        file << text.str();
        if (!file.flush()) {
            std::cerr << "datagen: cannot write " << argv[1] << '\n';
            return 1;
        }
    } else {
        std::cout << text.str();
        if (!std::cout.flush()) {
            return 1;
        }
    }
    return 0;
}
