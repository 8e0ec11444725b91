// How the table builder's parser reads a list that an examination office exported from Excel:
// the same records in every encoding, separator, line end and header it accepts, the lines its
// problems name when quotes and line breaks are involved, and the platform's decoding that it
// relies on.

#include "data/platform/text.h"
#include "madeuplists.h"
#include "tools/common/hex.h"
#include "tools/resultslist/resultslistparser.h"

#include <cerrno>
#include <gtest/gtest.h>
#include <iconv.h>
#include <string>
#include <vector>

using namespace madeuplists;
using platformtext::Encoding;

namespace {

// UTF-8 to GB18030 through glibc, as Excel on a Chinese Windows would save the list.
std::string toGb18030(const std::string &utf8)
{
    const iconv_t converter = iconv_open("GB18030", "UTF-8");
    EXPECT_NE(converter, reinterpret_cast<iconv_t>(-1));
    std::string out(utf8.size() * 2 + 4, '\0');
    char *in = const_cast<char *>(utf8.data());
    std::size_t inLeft = utf8.size();
    char *at = out.data();
    std::size_t outLeft = out.size();
    EXPECT_NE(iconv(converter, &in, &inLeft, &at, &outLeft), static_cast<std::size_t>(-1));
    iconv_close(converter);
    out.resize(out.size() - outLeft);
    return out;
}

std::string csvField(const std::string &value)
{
    std::string quoted = "\"";
    for (const char c : value) {
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    }
    return quoted + '"';
}

// The records of the valid list in CSV under a header of Chinese names, with an extra column
// before them whose value for record n is extra(n), quoted.
std::string csvList(const std::string &lineEnd, std::string (*extra)(int))
{
    std::string contents = "备注,成绩,准考证号,姓名,身份证号" + lineEnd;
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
    std::string separator;
};

TEST(ResultsListReading, EveryExportFormGivesTheSameRecords)
{
    const std::string plain = joined(validLines());
    std::string crlf;
    for (const std::string &line : validLines()) {
        crlf += line + "\r\n";
    }
    const std::vector<Form> forms = {
        {"plain", plain, "UTF-8", "tab"},
        {"BOM", "\xEF\xBB\xBF" + plain, "UTF-8 with BOM", "tab"},
        {"CRLF", crlf, "UTF-8", "tab"},
        {"no final line break", plain.substr(0, plain.size() - 1), "UTF-8", "tab"},
        {"blank lines at the end", plain + "\n\r\n\t\t\t\n \u3000\n", "UTF-8", "tab"},
        {"CSV", csvList("\n", plainNote), "UTF-8", "comma"},
        {"GB18030 CSV with CRLF", toGb18030(csvList("\r\n", plainNote) + ",,,,\r\n"), "GB18030",
            "comma"},
        {"GB18030 TSV", toGb18030(plain), "GB18030", "tab"},
    };
    const std::vector<ResultRecord> expected = expectedRecords();
    for (const Form &form : forms) {
        SCOPED_TRACE(form.name);
        const ParsedResultsList parsed = parseResultsList(form.contents);
        EXPECT_TRUE(parsed.problems.empty())
            << parsed.problems.front().line << ": " << parsed.problems.front().rule;
        EXPECT_TRUE(sameRecords(parsed.records, expected));
        EXPECT_EQ(parsed.layout.encoding, form.encoding);
        EXPECT_EQ(parsed.layout.separator, form.separator);
    }
}

TEST(ResultsListReading, ColumnsAreFoundByNameAndBlanksTrimmed)
{
    const ParsedResultsList parsed = parseResultsList(csvList("\n", plainNote));
    ASSERT_TRUE(parsed.problems.empty());
    EXPECT_EQ(parsed.layout.columnNames,
        (std::array<std::string, 4> {"\"身份证号\"", "\"准考证号\"", "\"姓名\"", "\"成绩\""}));
    EXPECT_EQ(parsed.layout.columnNumbers, (std::array<std::size_t, 4> {5, 3, 4, 2}));
    EXPECT_EQ(parsed.layout.fieldsTrimmed, 0);

    std::vector<std::string> lines = validLines();
    lines[0] = " 身份证号码\u3000\tzkzh\t姓名\t成绩";
    Record padded = validRecord(7);
    padded.xm = "\u3000" + padded.xm + "  ";
    padded.cj = "\u3000\u3000" + padded.cj;
    lines[7] = recordLine(padded);
    const ParsedResultsList trimmed = parseResultsList(joined(lines));
    ASSERT_TRUE(trimmed.problems.empty()) << trimmed.problems.front().rule;
    EXPECT_EQ(trimmed.layout.fieldsTrimmed, 3);
    EXPECT_TRUE(sameRecords(trimmed.records, expectedRecords()));
}

TEST(ResultsListReading, GB18030IsNamedWithWhereUtf8Ends)
{
    std::vector<std::string> lines = validLines();
    lines[0] = "身份证号\t准考证号\t姓名\t成绩";
    const ParsedResultsList header = parseResultsList(toGb18030(joined(lines)));
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
    const ParsedResultsList mixed = parseResultsList(toGb18030(joined(lines)));
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
    EXPECT_EQ(parsed.problems[0].field, "zkzh");

    // A field in quotes that never closes is named where it opens; the rest of the file is in
    // it, so the record count is short there too.
    std::vector<std::string> lines = validLines();
    lines[40] = '"' + lines[40];
    const ParsedResultsList unclosed = parseResultsList(joined(lines));
    ASSERT_FALSE(unclosed.problems.empty());
    EXPECT_EQ(unclosed.problems[0].line, 41);
    EXPECT_NE(unclosed.problems[0].rule.find("never closed"), std::string::npos);

    lines = validLines();
    Record record = validRecord(50);
    record.xm = '"' + record.xm + "\"x";
    lines[50] = recordLine(record);
    const ParsedResultsList after = parseResultsList(joined(lines));
    ASSERT_EQ(after.problems.size(), 2u);
    EXPECT_EQ(after.problems[0].line, 51);
    EXPECT_NE(
        after.problems[0].rule.find("text follows a closing double quote"), std::string::npos);
    EXPECT_EQ(after.problems[1].field, "xm");

    // A comma that was not quoted makes one field too many, and the message says to quote it.
    std::string csv = csvList("\n", plainNote);
    const std::string name = validRecord(60).xm;
    csv.replace(csv.find(',' + name + ','), name.size() + 2, ',' + name + ",x,");
    const ParsedResultsList extra = parseResultsList(csv);
    ASSERT_EQ(extra.problems.size(), 1u);
    EXPECT_EQ(extra.problems[0].line, 61);
    EXPECT_NE(
        extra.problems[0].rule.find("must have 5 comma-separated fields like the header, found 6"),
        std::string::npos);
    EXPECT_NE(extra.problems[0].rule.find("a field that holds a comma must be in double quotes"),
        std::string::npos);
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
        list += (i == 11 ? toGb18030(lines[i].substr(0, lines[i].size() - 1)) + "\x80"
                         : toGb18030(lines[i]))
            + '\n';
    }
    const ParsedResultsList parsed = parseResultsList(list);
    ASSERT_EQ(parsed.problems.size(), 1u);
    EXPECT_EQ(parsed.problems[0].line, 12);
    const std::string &rule = parsed.problems[0].rule;
    EXPECT_NE(rule.find("read as GB18030, which it is up to here"), std::string::npos) << rule;
    EXPECT_NE(rule.find("\\x80\""), std::string::npos) << rule;
    EXPECT_NE(rule.find("save it again as \"CSV UTF-8 (Comma delimited)\""), std::string::npos);
    for (const char c : rule) {
        EXPECT_TRUE(static_cast<unsigned char>(c) < 0x80) << "raw bytes in " << rule;
    }
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
