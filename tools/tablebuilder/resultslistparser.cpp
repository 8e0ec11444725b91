#include "resultslistparser.h"

#include "fieldrules.h"
#include "utf8.h"

#include <algorithm>
#include <unordered_map>

namespace {

constexpr std::string_view header = "sfzh\tzkzh\txm\tcj";
constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// Invalid UTF-8 cannot be shown as text, so its bytes are shown escaped.
std::string escapedBytes(std::string_view bytes)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string text = "\"";
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b >= 0x20 && b < 0x7F && b != '"' && b != '\\') {
            text += byte;
        } else {
            text += "\\x";
            text += digits[b >> 4];
            text += digits[b & 0xF];
        }
    }
    return text + '"';
}

std::vector<std::string_view> split(std::string_view bytes, char separator)
{
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t end = bytes.find(separator); end != std::string_view::npos;
         end = bytes.find(separator, start)) {
        parts.push_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    parts.push_back(bytes.substr(start));
    return parts;
}

std::string quotedBytes(std::string_view bytes)
{
    return FieldRules::quoted(Utf8::decodeLossy(bytes));
}

// The checks of one list, accumulating problems and the numbers seen so far.
class Parser
{
public:
    void parseHeader(std::string_view line);
    void parseRecord(std::string_view line, int lineNumber);
    void addProblem(int line, std::string field, std::string rule);

    ParsedResultsList result;

private:
    std::u32string checkedField(std::string_view bytes, int lineNumber, const char *field);
    void checkValue(std::string_view field, const std::u32string &value, int lineNumber);
    void checkUnique(std::unordered_map<std::u32string, int> &seen, std::string_view field,
        const std::u32string &value, int lineNumber, const char *what);

    std::unordered_map<std::u32string, int> sfzhLines;
    std::unordered_map<std::u32string, int> zkzhLines;
};

void Parser::parseHeader(std::string_view line)
{
    if (line != header) {
        addProblem(
            1, {}, "the header must be " + quotedBytes(header) + ", found " + quotedBytes(line));
    }
}

void Parser::parseRecord(std::string_view line, int lineNumber)
{
    // A tab is one byte that never occurs inside a UTF-8 sequence, so splitting before decoding
    // lets an encoding problem be pinned to its field.
    const std::vector<std::string_view> fields = split(line, '\t');
    if (fields.size() != 4) {
        addProblem(lineNumber, {},
            "must have 4 tab-separated fields (sfzh, zkzh, xm, cj), found "
                + std::to_string(fields.size()) + " in " + quotedBytes(line));
        return;
    }
    ResultRecord record;
    record.sfzh = checkedField(fields[0], lineNumber, "sfzh");
    record.zkzh = checkedField(fields[1], lineNumber, "zkzh");
    record.xm = checkedField(fields[2], lineNumber, "xm");
    record.cj = checkedField(fields[3], lineNumber, "cj");
    result.records.push_back(std::move(record));
}

std::u32string Parser::checkedField(std::string_view bytes, int lineNumber, const char *field)
{
    // A BOM inside a field decodes to U+FEFF like any character, so the field rules reject it.
    std::optional<std::u32string> value = Utf8::decode(bytes);
    if (!value) {
        addProblem(lineNumber, field, "not valid UTF-8, found the bytes " + escapedBytes(bytes));
        return Utf8::decodeLossy(bytes);
    }
    checkValue(field, *value, lineNumber);
    return std::move(*value);
}

void Parser::checkValue(std::string_view field, const std::u32string &value, int lineNumber)
{
    if (value.empty()) {
        addProblem(lineNumber, std::string(field), "must not be empty");
        return;
    }
    std::string problem = FieldRules::blankProblem(value);
    if (problem.empty()) {
        if (field == "sfzh") {
            problem = FieldRules::sfzhProblem(value);
        } else if (field == "zkzh") {
            problem = FieldRules::zkzhProblem(value);
        } else if (field == "xm") {
            problem = FieldRules::xmProblem(value);
        } else {
            problem = FieldRules::cjProblem(value);
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
            FieldRules::quoted(value) + " is already on line " + std::to_string(earlier->second)
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
    if (contents.starts_with(byteOrderMark)) {
        parser.addProblem(
            1, {}, "the file starts with a byte order mark; save it as UTF-8 without BOM");
        contents.remove_prefix(byteOrderMark.size());
    }
    std::vector<std::string_view> lines = split(contents, '\n');
    // A line feed ends the last line; it does not start one more.
    if (lines.size() > 1 && lines.back().empty()) {
        lines.pop_back();
    }

    for (std::size_t i = 0; i < lines.size(); ++i) {
        const int lineNumber = static_cast<int>(i + 1);
        std::string_view line = lines[i];
        if (line.find('\r') != std::string_view::npos) {
            parser.addProblem(lineNumber, {},
                "contains a carriage return; lines must end with LF alone, not CRLF");
            if (line.ends_with('\r')) {
                line.remove_suffix(1);
            }
        }
        if (lineNumber == 1) {
            parser.parseHeader(line);
        } else {
            parser.parseRecord(line, lineNumber);
        }
    }

    const int found = static_cast<int>(lines.size()) - 1;
    if (found != resultsListRecordCount) {
        // Name the first line too many, or the last line when records are missing.
        const int line = found > resultsListRecordCount ? resultsListRecordCount + 2 : found + 1;
        parser.addProblem(line, {},
            "the list must hold exactly " + std::to_string(resultsListRecordCount)
                + " records on lines 2 to " + std::to_string(resultsListRecordCount + 1)
                + ", found " + std::to_string(found));
    }
    std::stable_sort(parser.result.problems.begin(), parser.result.problems.end(),
        [](const ListProblem &a, const ListProblem &b) { return a.line < b.line; });
    return std::move(parser.result);
}
