#include "resultslistparser.h"

#include "columnheader.h"
#include "decodedlist.h"
#include "delimitedrows.h"
#include "exceldamage.h"
#include "fieldrules.h"
#include "listcolumns.h"
#include "tools/common/idcardcheck.h"

#include <algorithm>
#include <optional>
#include <unordered_map>

namespace {

// Excel keeps the blanks that were typed around a value; ASCII spaces and the ideographic
// space U+3000 of a Chinese input method are removed. Blanks inside a value stay a problem.
constexpr std::u32string_view trimmedBlanks = U" \u3000";

// The header is looked for among this many rows: an office's sheet has a title and perhaps a
// line of notes above it.
constexpr std::size_t headerRows = 5;

// An ID-card number ends in 000 by chance about once in 1,100: a sequence number ending in 00
// (1 in 100) and a check character of 0 (1 in 11). Among 1117 records that is about one
// (the repository's list has two); 8 or more happen by chance about once in 90,000 lists. More
// than this many mean Excel cut the column to 15 digits, and the check characters that still
// fit are luck.
constexpr int idsEndingInZerosByChance = 7;

// At most this many rows at the end that are no candidate are named one by one: a total and a
// note or two.
constexpr int trailingNotes = 3;

std::u32string_view withoutBlanks(std::u32string_view field)
{
    const std::size_t first = field.find_first_not_of(trimmedBlanks);
    if (first == std::u32string_view::npos) {
        return {};
    }
    return field.substr(first, field.find_last_not_of(trimmedBlanks) - first + 1);
}

bool blankRow(const DelimitedRow &row)
{
    return std::all_of(row.fields.begin(), row.fields.end(),
        [](const std::u32string &field) { return withoutBlanks(field).empty(); });
}

std::vector<std::u32string> trimmedFields(const DelimitedRow &row)
{
    std::vector<std::u32string> names;
    for (const std::u32string &field : row.fields) {
        names.emplace_back(withoutBlanks(field));
    }
    return names;
}

// Whether a value could be a long number at all: seven digits in a row. "实考1009人" cannot.
bool holdsLongNumber(std::u32string_view value)
{
    int run = 0;
    for (const char32_t c : value) {
        run = c >= U'0' && c <= U'9' ? run + 1 : 0;
        if (run >= 7) {
            return true;
        }
    }
    return false;
}

std::string separatorName(char32_t separator)
{
    return separator == U'\t' ? "制表符" : separator == U';' ? "分号" : "逗号";
}

// The checks of one list, accumulating problems and the numbers seen so far.
class Parser
{
public:
    void parse(std::string_view contents);

    ParsedResultsList result;

private:
    struct FoundHeader
    {
        DelimitedRows rows;
        std::size_t index = 0;
        bool found = false;
    };
    FoundHeader findHeader(std::u32string_view text);
    bool readHeader(const DelimitedRow &row, std::size_t index);
    std::size_t dropNotes(
        const std::vector<DelimitedRow> &rows, std::size_t header, std::size_t end);
    void parseRecord(const DelimitedRow &row, int rowNumber);
    void checkValue(std::size_t column, const std::u32string &value, int line, int row);
    void checkZeroedIds();
    void checkScores();
    std::u32string trimmed(std::u32string_view field);

    std::size_t headerFields = 0;
    std::array<std::size_t, 4> positions {};
    std::array<std::unordered_map<std::u32string, int>, 4> seen;
    struct Place
    {
        int line;
        int row;
        std::u32string value;
    };
    std::vector<Place> idsEndingInZeros;
};

void Parser::parse(std::string_view contents)
{
    DecodedList decoded = decodeList(contents);
    if (decoded.problem) {
        result.problems.push_back(std::move(*decoded.problem));
        return;
    }
    result.layout.encoding = decoded.encoding;
    result.layout.firstLineNotUtf8 = decoded.firstLineNotUtf8;

    FoundHeader header = findHeader(decoded.text);
    std::vector<DelimitedRow> &rows = header.rows.rows;
    result.problems = std::move(header.rows.problems);
    if (std::any_of(result.problems.begin(), result.problems.end(),
            [](const ListProblem &p) { return p.code == ProblemCode::crLineEnds; })) {
        return;
    }
    // Blank lines at the end, and rows of empty cells that Excel writes for formatted ones.
    std::size_t end = rows.size();
    while (end > 0 && blankRow(rows[end - 1])) {
        --end;
    }
    if (end == 0) {
        result.problems.push_back({ProblemCode::emptyList, 1, 1, -1, "文件是空的，第一行应为表头"});
        return;
    }
    if (!readHeader(rows[header.index], header.index) || !header.found) {
        return;
    }
    end = dropNotes(rows, header.index, end);
    for (std::size_t i = header.index + 1; i < end; ++i) {
        parseRecord(rows[i], static_cast<int>(i) + 1);
    }

    const int found = static_cast<int>(end - header.index) - 1;
    if (found != ResultTable::lastRecord) {
        // Name the first record too many, or the last record when some are missing.
        const std::size_t at
            = header.index + static_cast<std::size_t>(std::min(found, ResultTable::lastRecord + 1));
        result.problems.push_back(
            {ProblemCode::recordCount, rows[at].line, static_cast<int>(at) + 1, -1,
                "表头下面应正好有 " + std::to_string(ResultTable::lastRecord) + " 条记录，实有 "
                    + std::to_string(found) + " 条"});
    }
    checkZeroedIds();
    checkScores();
}

// Excel separates with tabs, commas, or in a decimal-comma locale with semicolons. The separator
// is the one with which a row among the first few names all four columns; without one, the
// first line's decides, and the row naming the most columns is the one a report names.
Parser::FoundHeader Parser::findHeader(std::u32string_view text)
{
    for (const char32_t separator : {U'\t', U';', U','}) {
        const DelimitedRows top = splitRows(text, separator, headerRows);
        for (std::size_t i = 0; i < top.rows.size(); ++i) {
            if (ColumnHeader(trimmedFields(top.rows[i])).columnsNamed() == 4) {
                result.layout.separator = separator;
                return {splitRows(text, separator), i, true};
            }
        }
    }
    const std::u32string_view firstLine = text.substr(0, text.find(U'\n'));
    const auto has
        = [&firstLine](char32_t c) { return firstLine.find(c) != std::u32string_view::npos; };
    result.layout.separator = has(U'\t') ? U'\t' : has(U';') && !has(U',') ? U';' : U',';
    FoundHeader header {splitRows(text, result.layout.separator), 0, false};
    int most = 0;
    for (std::size_t i = 0; i < header.rows.rows.size() && i < headerRows; ++i) {
        const int named = ColumnHeader(trimmedFields(header.rows.rows[i])).columnsNamed();
        if (named > most) {
            most = named;
            header.index = i;
        }
    }
    return header;
}

bool Parser::readHeader(const DelimitedRow &row, std::size_t index)
{
    const ColumnHeader header(trimmedFields(row));
    result.layout.headerLine = row.line;
    for (ListProblem problem : header.problems()) {
        problem.line = row.line;
        problem.row = static_cast<int>(index) + 1;
        result.problems.push_back(std::move(problem));
    }
    if (!header.problems().empty()) {
        return false;
    }
    headerFields = row.fields.size();
    for (std::size_t c = 0; c < listColumns.size(); ++c) {
        positions[c] = header.position(c);
        trimmed(row.fields[positions[c]]);
        result.layout.columnNames[c] = header.name(c);
        result.layout.columnNumbers[c] = positions[c] + 1;
    }
    return true;
}

// A total ("合计", "实考1009人") or a note at the end, usually after blank rows, is no candidate:
// one problem each, and neither it nor the blank rows above it count as records. A row is taken
// for one when neither its ID-card nor its ticket cell could hold a number. Returns where the
// records end.
std::size_t Parser::dropNotes(
    const std::vector<DelimitedRow> &rows, std::size_t header, std::size_t end)
{
    const auto cell = [this](const DelimitedRow &row, std::size_t column) {
        return positions[column] < row.fields.size() ? row.fields[positions[column]]
                                                     : std::u32string();
    };
    for (int notes = 0; notes < trailingNotes && end > header + 1; ++notes) {
        const DelimitedRow &last = rows[end - 1];
        if (holdsLongNumber(cell(last, 0)) || holdsLongNumber(cell(last, 1))) {
            break;
        }
        std::u32string shown;
        for (const std::u32string &field : trimmedFields(last)) {
            shown += field.empty() ? U"" : (shown.empty() ? U"" : U" ") + field;
        }
        result.problems.push_back({ProblemCode::notACandidate, last.line, static_cast<int>(end), -1,
            "这一行没有身份证号和准考证号，不是考生的记录：" + fieldrules::quoted(shown)});
        for (--end; end > header + 1 && blankRow(rows[end - 1]);) {
            --end;
        }
    }
    return end;
}

std::u32string Parser::trimmed(std::u32string_view field)
{
    const std::u32string_view kept = withoutBlanks(field);
    result.layout.fieldsTrimmed += kept.size() != field.size() ? 1 : 0;
    return std::u32string(kept);
}

void Parser::parseRecord(const DelimitedRow &row, int rowNumber)
{
    if (row.fields.size() != headerFields) {
        std::u32string joined;
        for (const std::u32string &field : row.fields) {
            joined += (joined.empty() ? U"" : U"|") + field;
        }
        const std::string separator = separatorName(result.layout.separator);
        result.problems.push_back({ProblemCode::fieldCount, row.line, rowNumber, -1,
            "应与表头一样有 " + std::to_string(headerFields) + " 个以" + separator
                + "分隔的字段，实有 " + std::to_string(row.fields.size()) + " 个（以 | 隔开）："
                + fieldrules::quoted(joined)
                + (result.layout.separator == U'\t'
                        ? ""
                        : "；含" + separator + "的字段要用英文双引号括起来")});
        return;
    }
    ResultRecord record;
    for (std::size_t c = 0; c < listColumns.size(); ++c) {
        std::u32string &value = record.*listColumns[c].member;
        value = trimmed(row.fields[positions[c]]);
        checkValue(c, value, row.line, rowNumber);
    }
    result.records.push_back(std::move(record));
}

void Parser::checkValue(std::size_t column, const std::u32string &value, int line, int row)
{
    const auto add = [&](ListProblem problem) {
        problem.line = line;
        problem.row = row;
        problem.column = static_cast<int>(column);
        result.problems.push_back(std::move(problem));
    };
    if (value.empty()) {
        add({ProblemCode::emptyValue, 0, 0, -1, "不能为空"});
        return;
    }
    if (column == 0 && exceldamage::endsLikeCutToFifteenDigits(value)) {
        idsEndingInZeros.push_back({line, row, value});
    }
    std::optional<ListProblem> problem = fieldrules::blankProblem(value);
    problem = problem ? problem : listColumns[column].rule(value);
    if (problem) {
        add(std::move(*problem));
        return;
    }
    if (!listColumns[column].unique) {
        return;
    }
    const auto [earlier, inserted] = seen[column].emplace(value, line);
    if (!inserted) {
        add({ProblemCode::duplicate, 0, 0, -1,
            "与第 " + std::to_string(earlier->second) + " 行的重复：" + fieldrules::quoted(value)});
    }
}

// One ID-card number ending in 000 may be real, and is named for a person to compare with the
// source; more than chance allows mean a damaged column, and every one is refused.
void Parser::checkZeroedIds()
{
    const auto count = static_cast<int>(idsEndingInZeros.size());
    const bool damaged = count > idsEndingInZerosByChance;
    for (const Place &place : idsEndingInZeros) {
        const bool checkFits
            = static_cast<char32_t>(idCardCheckCharacter(std::u32string_view(place.value)))
            == place.value[17];
        if (!checkFits) {
            continue; // refused already
        }
        (damaged ? result.problems : result.warnings)
            .push_back({damaged ? ProblemCode::sfzhZeroedTail : ProblemCode::sfzhEndsInZeros,
                place.line, place.row, 0,
                (damaged ? "最后三位成了 000（这一列有 " + std::to_string(count)
                            + " 个身份证号以 000 结尾，偶然出现的不会这么多）："
                         : std::string("以 000 结尾："))
                    + fieldrules::quoted(place.value)});
    }
}

// A column of format "0" rounds every score to a whole number, and one of format "0.0" gives
// every score one decimal: neither refuses a value, so the whole column is judged.
void Parser::checkScores()
{
    std::optional<std::size_t> decimals;
    bool mixed = false;
    int scores = 0;
    for (const ResultRecord &record : result.records) {
        if (record.cj == U"缺考" || fieldrules::cjProblem(record.cj)
            || exceldamage::cjDamage(record.cj)) {
            continue;
        }
        const std::size_t point = record.cj.find(U'.');
        const std::size_t places = point == std::u32string::npos ? 0 : record.cj.size() - point - 1;
        mixed = mixed || (decimals && *decimals != places);
        decimals = places;
        ++scores;
    }
    if (!decimals || mixed) {
        return;
    }
    const std::string counted = "（共 " + std::to_string(scores) + " 个分数）";
    result.warnings.push_back(*decimals == 0
            ? ListProblem {ProblemCode::cjNoFractions, 0, 0, 3, "没有一个成绩带小数" + counted}
            : ListProblem {ProblemCode::cjSameDecimals, 0, 0, 3,
                "每个成绩都正好有 " + std::to_string(*decimals) + " 位小数" + counted});
}

} // namespace

ParsedResultsList parseResultsList(std::string_view contents)
{
    Parser parser;
    parser.parse(contents);
    const auto byLine = [](const ListProblem &a, const ListProblem &b) { return a.line < b.line; };
    std::stable_sort(parser.result.problems.begin(), parser.result.problems.end(), byLine);
    std::stable_sort(parser.result.warnings.begin(), parser.result.warnings.end(), byLine);
    return std::move(parser.result);
}
