#include "resultslistparser.h"

#include "columnheader.h"
#include "decodedlist.h"
#include "delimitedrows.h"
#include "exceldamage.h"
#include "fieldrules.h"

#include <algorithm>
#include <unordered_map>

namespace {

// Excel keeps the blanks that were typed around a value; ASCII spaces and the ideographic
// space U+3000 of a Chinese input method are removed. Blanks inside a value stay a problem.
constexpr std::u32string_view trimmedBlanks = U" \u3000";

std::u32string_view withoutBlanks(std::u32string_view field)
{
    const std::size_t first = field.find_first_not_of(trimmedBlanks);
    if (first == std::u32string_view::npos) {
        return {};
    }
    return field.substr(first, field.find_last_not_of(trimmedBlanks) - first + 1);
}

// The checks of one list, accumulating problems and the numbers seen so far.
class Parser
{
public:
    void parse(std::string_view contents);

    ParsedResultsList result;

private:
    std::u32string trimmed(std::u32string_view field);
    bool readHeader(const DelimitedRow &row);
    void parseRecord(const DelimitedRow &row);
    void checkValue(std::string_view field, const std::u32string &value, int lineNumber);
    void checkUnique(std::unordered_map<std::u32string, int> &seen, std::string_view field,
        const std::u32string &value, int lineNumber, const char *what);
    void addProblem(int line, std::string field, std::string rule);

    std::size_t headerFields = 0;
    std::array<std::size_t, 4> positions {};
    std::unordered_map<std::u32string, int> sfzhLines;
    std::unordered_map<std::u32string, int> zkzhLines;
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

    DelimitedRows rows = splitRows(decoded.text);
    result.layout.separator = rows.separator == U'\t' ? "tab" : "comma";
    result.problems = std::move(rows.problems);
    // Blank lines at the end, and rows of empty cells that Excel writes for formatted ones.
    while (!rows.rows.empty()
        && std::all_of(rows.rows.back().fields.begin(), rows.rows.back().fields.end(),
            [](const std::u32string &field) { return withoutBlanks(field).empty(); })) {
        rows.rows.pop_back();
    }
    if (rows.rows.empty()) {
        addProblem(1, {}, "the list is empty; it must start with a header line");
        return;
    }
    if (!readHeader(rows.rows.front())) {
        return;
    }
    for (std::size_t i = 1; i < rows.rows.size(); ++i) {
        parseRecord(rows.rows[i]);
    }

    const int found = static_cast<int>(rows.rows.size()) - 1;
    if (found != ResultTable::lastRecord) {
        // Name the first record too many, or the last record when records are missing.
        const DelimitedRow &at
            = rows.rows[static_cast<std::size_t>(std::min(found, ResultTable::lastRecord + 1))];
        addProblem(at.line, {},
            "the list must hold exactly " + std::to_string(ResultTable::lastRecord)
                + " records after its header, found " + std::to_string(found));
    }
}

std::u32string Parser::trimmed(std::u32string_view field)
{
    const std::u32string_view kept = withoutBlanks(field);
    result.layout.fieldsTrimmed += kept.size() != field.size() ? 1 : 0;
    return std::u32string(kept);
}

bool Parser::readHeader(const DelimitedRow &row)
{
    std::vector<std::u32string> names;
    for (const std::u32string &field : row.fields) {
        names.emplace_back(withoutBlanks(field));
    }
    const ColumnHeader header(names);
    if (!header.problem().empty()) {
        addProblem(row.line, {}, header.problem());
        return false;
    }
    headerFields = row.fields.size();
    for (std::size_t c = 0; c < ColumnHeader::columns.size(); ++c) {
        positions[c] = header.position(c);
        trimmed(row.fields[positions[c]]);
        result.layout.columnNames[c] = header.name(c);
        result.layout.columnNumbers[c] = positions[c] + 1;
    }
    return true;
}

void Parser::parseRecord(const DelimitedRow &row)
{
    if (row.fields.size() != headerFields) {
        std::u32string joined;
        for (const std::u32string &field : row.fields) {
            joined += (joined.empty() ? U"" : U"|") + field;
        }
        const bool commas = result.layout.separator == "comma";
        addProblem(row.line, {},
            "must have " + std::to_string(headerFields) + ' ' + result.layout.separator
                + "-separated fields like the header, found " + std::to_string(row.fields.size())
                + " (shown between |) in " + fieldrules::quoted(joined)
                + (commas ? "; a field that holds a comma must be in double quotes" : ""));
        return;
    }
    ResultRecord record;
    std::array<std::u32string *, 4> values {&record.sfzh, &record.zkzh, &record.xm, &record.cj};
    for (std::size_t c = 0; c < values.size(); ++c) {
        *values[c] = trimmed(row.fields[positions[c]]);
        checkValue(ColumnHeader::columns[c], *values[c], row.line);
    }
    result.records.push_back(std::move(record));
}

void Parser::checkValue(std::string_view field, const std::u32string &value, int lineNumber)
{
    if (value.empty()) {
        addProblem(lineNumber, std::string(field), "must not be empty");
        return;
    }
    std::string problem = fieldrules::blankProblem(value);
    if (problem.empty()) {
        if (field == "sfzh") {
            problem = exceldamage::sfzhDamage(value);
            problem = problem.empty() ? fieldrules::sfzhProblem(value) : problem;
        } else if (field == "zkzh") {
            problem = exceldamage::zkzhDamage(value);
            problem = problem.empty() ? fieldrules::zkzhProblem(value) : problem;
        } else if (field == "xm") {
            problem = fieldrules::xmProblem(value);
        } else {
            problem = exceldamage::cjDamage(value);
            problem = problem.empty() ? fieldrules::cjProblem(value) : problem;
        }
    }
    if (!problem.empty()) {
        addProblem(lineNumber, std::string(field), std::move(problem));
    } else if (field == "sfzh") {
        checkUnique(sfzhLines, field, value, lineNumber, "ID-card numbers");
    } else if (field == "zkzh") {
        checkUnique(zkzhLines, field, value, lineNumber, "ticket numbers");
    }
}

void Parser::checkUnique(std::unordered_map<std::u32string, int> &seen, std::string_view field,
    const std::u32string &value, int lineNumber, const char *what)
{
    const auto [earlier, inserted] = seen.emplace(value, lineNumber);
    if (!inserted) {
        addProblem(lineNumber, std::string(field),
            fieldrules::quoted(value) + " is already on line " + std::to_string(earlier->second)
                + "; " + what + " must be unique");
    }
}

void Parser::addProblem(int line, std::string field, std::string rule)
{
    result.problems.push_back({line, std::move(field), std::move(rule)});
}

} // namespace

ParsedResultsList parseResultsList(std::string_view contents)
{
    Parser parser;
    parser.parse(contents);
    std::stable_sort(parser.result.problems.begin(), parser.result.problems.end(),
        [](const ListProblem &a, const ListProblem &b) { return a.line < b.line; });
    return std::move(parser.result);
}
