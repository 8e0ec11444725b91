// tablebuilder [--seal [--iterations N] [--salt HEX]] <list> <out.cpp>
// tablebuilder --check <list>
//
// Checks the results list and compiles it into the C++ source of the built-in records: plain
// text, or with --seal sealed records (data/sealedrecords.h) whose keys are derived with N
// iterations, 600,000 unless said otherwise, and a salt drawn at random for every sealing. The
// tests alone fix the salt with --salt (64 hex digits), so that their table is known in advance.
// With --check it only checks the list. Either way it prints how it read the list (records,
// encoding, separator, the columns used, fields trimmed) or one line per problem, "file:line:
// field: rule". A broken list fails the build and leaves no output behind. Exit status: 0 written,
// already up to date or checked, 1 the list is broken, 2 usage or file error.

#include "data/platform/fatal.h"
#include "data/sealing/sealedlist.h"
#include "outputfile.h"
#include "recordssource.h"
#include "sealedsource.h"
#include "tools/common/console.h"
#include "tools/resultslist/columnheader.h"
#include "tools/resultslist/resultslistparser.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

// Enough to see the pattern of a wholesale mistake without scrolling away the build log.
constexpr std::size_t maxReportedProblems = 50;

constexpr std::string_view usage
    = "usage: tablebuilder [--seal [--iterations N] [--salt HEX]] <list> <out.cpp>\n"
      "       tablebuilder --check <list>";

struct Arguments
{
    bool checkOnly = false;
    bool seal = false;
    std::optional<std::uint32_t> sealIterations;
    std::optional<sealing::Salt> salt;
    std::string listPath;
    std::filesystem::path outputPath;
};

// The work factor of --iterations: a whole number from 1 up to what every platform's PBKDF2
// takes (OpenSSL counts iterations in an int).
std::optional<std::uint32_t> iterationsArgument(std::string_view text)
{
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0
        || value > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    return value;
}

// The salt of --salt: exactly 64 hexadecimal digits.
std::optional<sealing::Salt> saltArgument(std::string_view text)
{
    sealing::Salt salt {};
    if (text.size() != 2 * salt.size()) {
        return std::nullopt;
    }
    for (std::size_t i = 0; i < salt.size(); ++i) {
        const auto [end, error]
            = std::from_chars(text.data() + 2 * i, text.data() + 2 * i + 2, salt[i], 16);
        if (error != std::errc() || end != text.data() + 2 * i + 2) {
            return std::nullopt;
        }
    }
    return salt;
}

std::optional<Arguments> parseArguments(const std::vector<std::string_view> &words)
{
    Arguments arguments;
    std::vector<std::string_view> paths;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (word == "--check") {
            arguments.checkOnly = true;
        } else if (word == "--seal") {
            arguments.seal = true;
        } else if (word == "--iterations" && i + 1 < words.size()) {
            arguments.sealIterations = iterationsArgument(words[++i]);
            if (!arguments.sealIterations) {
                return std::nullopt;
            }
        } else if (word == "--salt" && i + 1 < words.size()) {
            arguments.salt = saltArgument(words[++i]);
            if (!arguments.salt) {
                return std::nullopt;
            }
        } else if (word.starts_with("--")) {
            return std::nullopt;
        } else {
            paths.push_back(word);
        }
    }
    const bool sealOptionsFit
        = arguments.seal ? !arguments.checkOnly : !arguments.sealIterations && !arguments.salt;
    if (!sealOptionsFit || paths.size() != (arguments.checkOnly ? 1u : 2u)) {
        return std::nullopt;
    }
    arguments.listPath = paths[0];
    if (!arguments.checkOnly) {
        arguments.outputPath = console::pathFromUtf8(paths[1]);
    }
    return arguments;
}

void printLine(std::FILE *stream, const std::string &line)
{
    // The rules are UTF-8 already, so names and "缺考" survive in the build log and show right
    // on a Windows console.
    (stream == stdout ? console::out : console::err)(line + '\n');
}

void reportProblems(const std::string &listPath, const std::vector<ListProblem> &problems)
{
    for (std::size_t i = 0; i < problems.size() && i < maxReportedProblems; ++i) {
        const ListProblem &problem = problems[i];
        const std::string field = problem.field.empty() ? std::string() : problem.field + ": ";
        printLine(
            stderr, listPath + ':' + std::to_string(problem.line) + ": " + field + problem.rule);
    }
    if (problems.size() > maxReportedProblems) {
        printLine(stderr,
            listPath + ": " + std::to_string(problems.size() - maxReportedProblems)
                + " more problems not shown");
    }
}

// "results.csv: 1117 records, GB18030, comma-separated; columns: sfzh "身份证号" (5), ...;
// 3 fields trimmed"
std::string summary(const std::string &listPath, const ParsedResultsList &parsed)
{
    const ListLayout &layout = parsed.layout;
    std::string text
        = listPath + ": " + std::to_string(parsed.records.size()) + " records, " + layout.encoding;
    // A UTF-8 list damaged further down is read as GB18030 too; saying where UTF-8 ends shows it.
    if (layout.firstLineNotUtf8 > 1) {
        text += " (not UTF-8 from line " + std::to_string(layout.firstLineNotUtf8) + " on)";
    }
    text += ", " + layout.separator + "-separated; columns:";
    for (std::size_t c = 0; c < ColumnHeader::columns.size(); ++c) {
        text += std::string(c == 0 ? " " : ", ") + ColumnHeader::columns[c] + ' '
            + layout.columnNames[c] + " (" + std::to_string(layout.columnNumbers[c]) + ')';
    }
    return text + "; " + std::to_string(layout.fieldsTrimmed) + " fields trimmed";
}

} // namespace

int main(int argc, char *argv[])
{
    fatal::setToolHandler("tablebuilder");
    const std::vector<std::string> words = console::arguments(argc, argv);
    const std::optional<Arguments> arguments
        = parseArguments(std::vector<std::string_view>(words.begin() + 1, words.end()));
    if (!arguments) {
        printLine(stderr, std::string(usage));
        return 2;
    }
    const std::string &listPath = arguments->listPath;
    const std::filesystem::path &outputPath = arguments->outputPath;
    std::string error;

    std::ifstream list(console::pathFromUtf8(listPath), std::ios::binary);
    const std::string contents(std::istreambuf_iterator<char>(list), {});
    if (!list.is_open() || list.bad()) {
        printLine(stderr, listPath + ": cannot read");
        if (!arguments->checkOnly) {
            OutputFile::remove(outputPath, &error);
        }
        return 2;
    }
    const ParsedResultsList parsed = parseResultsList(contents);
    if (!parsed.problems.empty()) {
        reportProblems(listPath, parsed.problems);
        if (!arguments->checkOnly && !OutputFile::remove(outputPath, &error)) {
            printLine(stderr,
                console::utf8FromPath(outputPath) + ": cannot remove the stale output: " + error);
        }
        return 1;
    }
    printLine(stdout, summary(listPath, parsed));
    if (arguments->checkOnly) {
        return 0;
    }

    const std::string listName = console::utf8FromPath(console::pathFromUtf8(listPath).filename());
    const std::string source = arguments->seal
        ? sealedSource(sealing::sealList(plainRecords(parsed.records),
                           arguments->sealIterations.value_or(sealing::defaultIterations),
                           arguments->salt.value_or(sealing::randomSalt())),
            listName)
        : recordsSource(parsed.records, listName);
    if (!OutputFile::writeIfChanged(outputPath, source, &error)) {
        printLine(stderr, console::utf8FromPath(outputPath) + ": cannot write: " + error);
        return 2;
    }
    return 0;
}
