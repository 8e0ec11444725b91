// libFuzzer target for the results list reader, which reads a list typed or exported by hand:
// UTF-8 or GB18030, separated by tabs, commas or semicolons, quoted or not (the seeds hold each).
// Beyond not crashing, every input must come out one of two ways:
// - accepted: then it holds 1117 records of four valid, unique fields, and the records written
//   back as the repository's plain list read back as the same records;
// - rejected: with problems in line order, each naming a line the input has, one of the four
//   columns or none, and a one-line UTF-8 detail.
// Either way the report's lines are one line of UTF-8 each, and at most its cap.
// Run: scripts/fuzz.sh [seconds]

#include "data/platform/text.h"
#include "fuzzsupport.h"
#include "tools/common/idcardcheck.h"
#include "tools/resultslist/listreport.h"
#include "tools/resultslist/resultslistparser.h"
#include "tools/resultslist/utf8.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace {

// Lines as a text editor counts them: a final line feed ends the last line, and an empty file
// has one empty line.
int lineCount(std::string_view contents)
{
    const auto feeds = static_cast<int>(std::count(contents.begin(), contents.end(), '\n'));
    return contents.empty() || contents.back() == '\n' ? std::max(feeds, 1) : feeds + 1;
}

bool digits(std::u32string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char32_t c) { return c >= U'0' && c <= U'9'; });
}

bool validScore(std::u32string_view score)
{
    if (score == U"缺考") {
        return true;
    }
    // 10 to 99, then nothing, or a point and one digit other than 0, or two digits not ending in 0.
    const bool whole = score.size() >= 2 && digits(score.substr(0, 2)) && score[0] != U'0';
    if (!whole || score.size() == 2) {
        return whole;
    }
    const std::u32string_view fraction = score.substr(2);
    return fraction.size() >= 2 && fraction.size() <= 3 && fraction[0] == U'.'
        && digits(fraction.substr(1)) && fraction.back() != U'0';
}

bool oneLineOfText(const std::string &text)
{
    return !text.empty() && platformtext::decode(text, platformtext::Encoding::utf8).has_value()
        && text.find_first_of("\r\n") == std::string::npos;
}

void checkAccepted(const ParsedResultsList &parsed)
{
    require(parsed.records.size() == std::size_t(ResultTable::lastRecord), "1117 records");
    std::unordered_set<std::u32string> ids;
    std::unordered_set<std::u32string> tickets;
    std::string written = "sfzh\tzkzh\txm\tcj";
    for (const ResultRecord &record : parsed.records) {
        require(record.sfzh.size() == 18 && digits(record.sfzh.substr(0, 17))
                && static_cast<char32_t>(idCardCheckCharacter(std::u32string_view(record.sfzh)))
                    == record.sfzh[17],
            "an ID-card number of 17 digits and its check character");
        require(record.zkzh.size() == 11 && digits(record.zkzh), "an 11-digit ticket number");
        require(record.xm.size() >= 2 && record.xm.size() <= 4
                && std::all_of(record.xm.begin(), record.xm.end(),
                    [](char32_t c) { return c >= 0x4E00 && c <= 0x9FA5; }),
            "a name of 2 to 4 characters from U+4E00 to U+9FA5");
        require(validScore(record.cj), "a score in shortest form or \"缺考\"");
        require(ids.insert(record.sfzh).second, "unique ID-card numbers");
        require(tickets.insert(record.zkzh).second, "unique ticket numbers");
        written += '\n' + utf8text::encode(record.sfzh) + '\t' + utf8text::encode(record.zkzh)
            + '\t' + utf8text::encode(record.xm) + '\t' + utf8text::encode(record.cj);
    }
    const ParsedResultsList again = parseResultsList(written);
    require(again.problems.empty() && again.records.size() == parsed.records.size()
            && std::equal(again.records.begin(), again.records.end(), parsed.records.begin(),
                [](const ResultRecord &a, const ResultRecord &b) {
                    return a.sfzh == b.sfzh && a.zkzh == b.zkzh && a.xm == b.xm && a.cj == b.cj;
                }),
        "the records written as a plain list read back the same");
}

void checkRejected(std::string_view contents, const ParsedResultsList &parsed)
{
    const int lines = lineCount(contents);
    int previous = 1;
    for (const ListProblem &problem : parsed.problems) {
        require(problem.line >= previous && problem.line <= lines,
            "problems in line order, on lines the input has");
        previous = problem.line;
        require(problem.column >= -1 && problem.column < 4, "one of the four columns or none");
        require(oneLineOfText(problem.detail), "a detail that is one line of UTF-8");
    }
}

void checkReport(const std::vector<std::string> &lines)
{
    require(lines.size() <= listreport::maxLines, "a report within its cap");
    for (const std::string &line : lines) {
        require(oneLineOfText(line), "report lines that are one line of UTF-8 each");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view contents(reinterpret_cast<const char *>(data), size);
    const ParsedResultsList parsed = parseResultsList(contents);
    if (parsed.problems.empty()) {
        checkAccepted(parsed);
        checkReport(listreport::summaryLines("list", parsed));
    } else {
        checkRejected(contents, parsed);
        checkReport(listreport::problemLines("list", parsed));
    }
    return 0;
}
