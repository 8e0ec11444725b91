// How the results list reader reads a list that an examination office exported from Excel:
// the same records in every encoding, separator, line end and header it accepts, the lines its
// problems name when quotes and line breaks are involved, and the platform's decoding that it
// relies on.

#include "data/platform/text.h"
#include "madeuplists.h"
#include "tools/common/hex.h"
#include "tools/resultslist/listreport.h"
#include "tools/resultslist/resultslistparser.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

using namespace madeuplists;
using platformtext::Encoding;

namespace {

// The records of the valid list in CSV under a header of Chinese names, with an extra column
// before them whose value for record n is extra(n), quoted, and title rows above.
std::string csvList(
    const std::string &lineEnd, std::string (*extra)(int), const std::string &above = {})
{
    std::string contents = above + "备注,成绩,准考证号,姓名,身份证号" + lineEnd;
    for (int n = 1; n <= ResultTable::lastRecord; ++n) {
        const Record r = validRecord(n);
        contents
            += csvField(extra(n)) + ',' + r.cj + ',' + r.zkzh + ',' + r.xm + ',' + r.sfzh + lineEnd;
    }
    return contents;
}

std::string plainNote(int n)
{
    return "第" + std::to_string(n) + "行, \"备注\"";
}

std::vector<ResultRecord> expectedRecords()
{
    const ParsedResultsList parsed = parseResultsList(joined(validLines()));
    EXPECT_TRUE(parsed.problems.empty());
    return parsed.records;
}

bool sameRecords(const std::vector<ResultRecord> &a, const std::vector<ResultRecord> &b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].sfzh != b[i].sfzh || a[i].zkzh != b[i].zkzh || a[i].xm != b[i].xm
            || a[i].cj != b[i].cj) {
            return false;
        }
    }
    return true;
}

struct Form
{
    std::string name;
    std::string contents;
    std::string encoding;
    char32_t separator;
    int headerLine = 1;
};

std::string gb18030(const std::string &utf8)
{
    const std::optional<std::string> converted = toGb18030(utf8);
    EXPECT_TRUE(converted.has_value());
    return converted.value_or(std::string());
}

std::string semicolons(std::string csvText)
{
    for (char &c : csvText) {
        c = c == ',' ? ';' : c;
    }
    return csvText;
}

TEST(ResultsListReading, EveryExportFormGivesTheSameRecords)
{
    const std::string plain = joined(validLines());
    std::string crlf;
    for (const std::string &line : validLines()) {
        crlf += line + "\r\n";
    }
    const auto shortNote = [](int n) { return std::to_string(n); };
    const std::vector<Form> forms = {
        {"plain", plain, "UTF-8", U'\t'},
        {"BOM", "\xEF\xBB\xBF" + plain, "UTF-8（带 BOM）", U'\t'},
        {"CRLF", crlf, "UTF-8", U'\t'},
        {"no final line break", plain.substr(0, plain.size() - 1), "UTF-8", U'\t'},
        {"blank lines at the end", plain + "\n\r\n\t\t\t\n \u3000\n", "UTF-8", U'\t'},
        {"CSV", csvList("\n", plainNote), "UTF-8", U','},
        {"GB18030 CSV with CRLF", gb18030(csvList("\r\n", plainNote) + ",,,,\r\n"), "GB18030",
            U','},
        {"GB18030 TSV", gb18030(plain), "GB18030", U'\t'},
        {"semicolons", semicolons(csvList("\r\n", shortNote)), "UTF-8", U';'},
        {"title rows", gb18030(csvList("\r\n", plainNote, "2020年笔试成绩,,,,\r\n,,,,\r\n")),
            "GB18030", U',', 3},
        {"title in the first column", "\"笔试成绩\n（公示）\"\n" + plain, "UTF-8", U'\t', 3},
    };
    const std::vector<ResultRecord> expected = expectedRecords();
    for (const Form &form : forms) {
        SCOPED_TRACE(form.name);
        const ParsedResultsList parsed = parseResultsList(form.contents);
        EXPECT_TRUE(parsed.problems.empty())
            << parsed.problems.front().line << ": " << parsed.problems.front().detail;
        EXPECT_TRUE(sameRecords(parsed.records, expected));
        EXPECT_EQ(parsed.layout.encoding, form.encoding);
        EXPECT_EQ(parsed.layout.separator, form.separator);
        EXPECT_EQ(parsed.layout.headerLine, form.headerLine);
        EXPECT_TRUE(parsed.warnings.empty());
    }
}

TEST(ResultsListReading, ColumnsAreFoundByNameAndBlanksTrimmed)
{
    const ParsedResultsList parsed = parseResultsList(csvList("\n", plainNote));
    ASSERT_TRUE(parsed.problems.empty());
    EXPECT_EQ(parsed.layout.columnNames,
        (std::array<std::u32string, 4> {U"身份证号", U"准考证号", U"姓名", U"成绩"}));
    EXPECT_EQ(parsed.layout.columnNumbers, (std::array<std::size_t, 4> {5, 3, 4, 2}));
    EXPECT_EQ(parsed.layout.fieldsTrimmed, 0);

    std::vector<std::string> lines = validLines();
    lines[0] = " 身份证号码\u3000\tzkzh\t姓名\t成绩";
    Record padded = validRecord(7);
    padded.xm = "\u3000" + padded.xm + "  ";
    padded.cj = "\u3000\u3000" + padded.cj;
    lines[7] = recordLine(padded);
    const ParsedResultsList trimmed = parseResultsList(joined(lines));
    ASSERT_TRUE(trimmed.problems.empty()) << trimmed.problems.front().detail;
    EXPECT_EQ(trimmed.layout.fieldsTrimmed, 3);
    EXPECT_TRUE(sameRecords(trimmed.records, expectedRecords()));
}

TEST(ResultsListReading, GB18030IsNamedWithWhereUtf8Ends)
{
    std::vector<std::string> lines = validLines();
    lines[0] = "身份证号\t准考证号\t姓名\t成绩";
    const ParsedResultsList header = parseResultsList(gb18030(joined(lines)));
    ASSERT_TRUE(header.problems.empty());
    EXPECT_EQ(header.layout.encoding, "GB18030");
    EXPECT_EQ(header.layout.firstLineNotUtf8, 1);

    // The GB18030 of "一" is D2 BB, which is UTF-8 too, and that of "张" is not: a list whose
    // first records are named "一一" (and none of them "缺考") is UTF-8 up to the first other
    // name, and the summary says so.
    lines = validLines();
    for (int n = 1; n <= 28; ++n) {
        Record record = validRecord(n);
        record.xm = "一一";
        record.cj = "60";
        lines[static_cast<std::size_t>(n)] = recordLine(record);
    }
    Record line30 = validRecord(29);
    line30.xm = "张三";
    lines[29] = recordLine(line30);
    const ParsedResultsList mixed = parseResultsList(gb18030(joined(lines)));
    ASSERT_TRUE(mixed.problems.empty());
    EXPECT_EQ(mixed.layout.encoding, "GB18030");
    EXPECT_EQ(mixed.layout.firstLineNotUtf8, 30);
}

TEST(ResultsListReading, ProblemsNameTheLineInTheFile)
{
    // A quoted line break in an ignored column moves every later record one line down.
    const auto noteWithLineBreak
        = [](int n) { return n == 10 ? std::string("两\r\n行") : plainNote(n); };
    std::string list = csvList("\r\n", noteWithLineBreak);
    const std::string ticket = validRecord(20).zkzh;
    list.replace(list.find(ticket), ticket.size(), "1");
    const ParsedResultsList parsed = parseResultsList(list);
    ASSERT_EQ(parsed.problems.size(), 1u);
    EXPECT_EQ(parsed.problems[0].line, 22);
    EXPECT_EQ(parsed.problems[0].row, 21);
    EXPECT_EQ(parsed.problems[0].column, 1);

    // A field in quotes that never closes is named where it opens; the rest of the file is in
    // it, so the record count is short there too.
    std::vector<std::string> lines = validLines();
    lines[40] = '"' + lines[40];
    const ParsedResultsList unclosed = parseResultsList(joined(lines));
    ASSERT_FALSE(unclosed.problems.empty());
    EXPECT_EQ(unclosed.problems[0].line, 41);
    EXPECT_EQ(unclosed.problems[0].code, ProblemCode::unclosedQuote);

    lines = validLines();
    Record record = validRecord(50);
    record.xm = '"' + record.xm + "\"x";
    lines[50] = recordLine(record);
    const ParsedResultsList after = parseResultsList(joined(lines));
    ASSERT_EQ(after.problems.size(), 2u);
    EXPECT_EQ(after.problems[0].line, 51);
    EXPECT_EQ(after.problems[0].code, ProblemCode::textAfterQuote);
    EXPECT_EQ(after.problems[1].column, 2);

    // A comma that was not quoted makes one field too many, and the message says to quote it.
    std::string csv = csvList("\n", plainNote);
    const std::string name = validRecord(60).xm;
    csv.replace(csv.find(',' + name + ','), name.size() + 2, ',' + name + ",x,");
    const ParsedResultsList extra = parseResultsList(csv);
    ASSERT_EQ(extra.problems.size(), 1u);
    EXPECT_EQ(extra.problems[0].line, 61);
    EXPECT_EQ(extra.problems[0].code, ProblemCode::fieldCount);
}

TEST(ResultsListReading, BytesInNeitherEncodingAreShownEscaped)
{
    // GB18030 up to line 12, where a byte that starts no sequence in either encoding stands.
    std::vector<std::string> lines = validLines();
    lines[0] = "身份证号\t准考证号\t姓名\t成绩";
    Record record = validRecord(11);
    record.cj += "\x80";
    lines[11] = recordLine(record);
    std::string list;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        list += (i == 11 ? gb18030(lines[i].substr(0, lines[i].size() - 1)) + "\x80"
                         : gb18030(lines[i]))
            + '\n';
    }
    const ParsedResultsList parsed = parseResultsList(list);
    ASSERT_EQ(parsed.problems.size(), 1u);
    EXPECT_EQ(parsed.problems[0].line, 12);
    EXPECT_EQ(parsed.problems[0].code, ProblemCode::notText);
    const std::string &detail = parsed.problems[0].detail;
    EXPECT_NE(detail.find("\\x80\""), std::string::npos) << detail;
    EXPECT_TRUE(platformtext::decode(detail, Encoding::utf8).has_value())
        << "raw bytes in " << detail;
}

TEST(ResultsListReading, BrokenListsAreRefusedByKind)
{
    for (const ListCase &list : brokenLists()) {
        SCOPED_TRACE(list.name);
        const ParsedResultsList parsed = parseResultsList(list.contents);
        ASSERT_EQ(parsed.problems.size(), static_cast<std::size_t>(list.count));
        EXPECT_EQ(parsed.problems[0].line, list.line);
        for (const ListProblem &problem : parsed.problems) {
            EXPECT_EQ(problem.code, list.code) << problem.line << ": " << problem.detail;
            EXPECT_EQ(problem.column, list.column) << problem.line;
        }
    }
}

TEST(ResultsListReading, WarnedListsAreAcceptedWithWarnings)
{
    const std::vector<ResultRecord> valid = expectedRecords();
    for (const ListCase &list : warnedLists()) {
        SCOPED_TRACE(list.name);
        const ParsedResultsList parsed = parseResultsList(list.contents);
        EXPECT_TRUE(parsed.problems.empty()) << parsed.problems.front().detail;
        EXPECT_EQ(parsed.records.size(), valid.size());
        ASSERT_EQ(parsed.warnings.size(), static_cast<std::size_t>(list.count));
        EXPECT_EQ(parsed.warnings[0].line, list.line);
        for (const ListProblem &warning : parsed.warnings) {
            EXPECT_EQ(warning.code, list.code) << warning.line;
            EXPECT_EQ(warning.column, list.column) << warning.line;
        }
        EXPECT_EQ(listreport::summaryLines("list", parsed).size(), parsed.warnings.size() + 1);
    }
}

// A kind of problem all down a column is one line and its first three, and no report is longer
// than the cap, however many kinds there are.
TEST(ResultsListReading, ReportsGroupAKindThatRecurs)
{
    std::vector<std::string> lines = validLines();
    for (int n = 1; n <= ResultTable::lastRecord; ++n) {
        Record record = validRecord(n);
        record.sfzh = record.sfzh.substr(0, 1) + '.' + record.sfzh.substr(1, 5) + "E+17";
        record.xm = n % 2 == 0 ? "张A" : record.xm;
        lines[static_cast<std::size_t>(n)] = recordLine(record);
    }
    const ParsedResultsList parsed = parseResultsList(joined(lines));
    ASSERT_EQ(parsed.problems.size(), 1117u + 558u);
    const std::vector<std::string> report = listreport::problemLines("list", parsed);
    EXPECT_EQ(report.size(), 8u);

    // Seventeen kinds, four times each: each is grouped, and the groups run past the cap.
    const std::vector<std::pair<std::string Record::*, std::string>> kinds
        = {{&Record::sfzh, "1.1E+17"}, {&Record::sfzh, "1"}, {&Record::sfzh, "1101051949123100X2"},
            {&Record::sfzh, "11010519491231002x"}, {&Record::sfzh, "1 1"},
            {&Record::sfzh, "1\u200B"}, {&Record::zkzh, "1"}, {&Record::zkzh, "1.01E+10"},
            {&Record::zkzh, "1010001070"}, {&Record::zkzh, "1 1"}, {&Record::xm, "张A"},
            {&Record::xm, "张"}, {&Record::xm, "张 三"}, {&Record::cj, "05"},
            {&Record::cj, "60.125"}, {&Record::cj, "60.50"}, {&Record::cj, "60,5"}};
    lines = validLines();
    for (std::size_t i = 0; i < 4 * kinds.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        Record record = validRecord(n);
        record.*kinds[i % kinds.size()].first = kinds[i % kinds.size()].second;
        lines[i + 1] = recordLine(record);
    }
    const ParsedResultsList many = parseResultsList(joined(lines));
    ASSERT_EQ(many.problems.size(), 4 * kinds.size());
    EXPECT_EQ(listreport::problemLines("list", many).size(), listreport::maxLines);
}

TEST(PlatformText, Utf8IsDecodedStrictly)
{
    EXPECT_EQ(platformtext::decode("", Encoding::utf8), std::u32string());
    EXPECT_EQ(platformtext::decode("a\xE5\xBC\xA0\xF0\x9F\x98\x80", Encoding::utf8),
        std::u32string(U"a\u5F20\U0001F600"));
    for (const char *bad : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
             "\xE5\xBC\xA0\x80", "\xF0\x9F\x98", "\xF5\x80\x80\x80", "\xFF"}) {
        EXPECT_FALSE(platformtext::decode(bad, Encoding::utf8))
            << hex(static_cast<unsigned char>(bad[0]), 2);
    }
}

TEST(PlatformText, Gb18030IsDecodedStrictly)
{
    // "缺考" in two-byte codes, U+00B8 and U+20087 in four-byte ones.
    EXPECT_EQ(platformtext::decode("\xC8\xB1\xBF\xBC", Encoding::gb18030), std::u32string(U"缺考"));
    EXPECT_EQ(platformtext::decode("a\x81\x30\x86\x30\x95\x32\x90\x31", Encoding::gb18030),
        std::u32string(U"a\u00B8\U00020087"));
    for (const char *bad : {"\x80", "\xFF", "\xC8", "\x81\x30", "\xC8\x0A"}) {
        EXPECT_FALSE(platformtext::decode(bad, Encoding::gb18030))
            << hex(static_cast<unsigned char>(bad[0]), 2);
    }
}

TEST(Hex, DigitsArePaddedToTheWidth)
{
    EXPECT_EQ(hex(0, 2), "00");
    EXPECT_EQ(hex(0xA, 2), "0A");
    EXPECT_EQ(hex(0x3000, 4), "3000");
    EXPECT_EQ(hex(0x20087, 4), "20087");
    EXPECT_EQ(hex(0x1F600, 8), "0001F600");
    EXPECT_EQ(hex(0xFF, 0), "FF");
}

} // namespace
