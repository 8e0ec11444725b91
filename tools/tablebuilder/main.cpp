// tablebuilder [--seal [--iterations N]] <results.tsv> <out.cpp>
//
// Checks the results list and compiles it into the C++ source of the built-in records: plain
// text, or with --seal sealed records (data/sealedrecords.h) whose keys are derived with N
// iterations, 600,000 unless said otherwise. A broken
// list fails the build with one line per problem, "file:line: field: rule", and leaves no output
// behind. Exit status: 0 written or already up to date, 1 the list is broken, 2 usage or file
// error. Standard C++ only, so that it builds with a host compiler alone.

#include "data/sealing.h"
#include "outputfile.h"
#include "recordssource.h"
#include "resultslistparser.h"
#include "sealedsource.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

namespace {

// Enough to see the pattern of a wholesale mistake without scrolling away the build log.
constexpr std::size_t maxReportedProblems = 50;

void printLine(const std::string &line)
{
    // The rules are UTF-8 already, so names and "缺考" survive in the build log.
    std::fputs((line + '\n').c_str(), stderr);
}

void reportProblems(const std::string &listPath, const std::vector<ListProblem> &problems)
{
    for (std::size_t i = 0; i < problems.size() && i < maxReportedProblems; ++i) {
        const ListProblem &problem = problems[i];
        const std::string field = problem.field.empty() ? std::string() : problem.field + ": ";
        printLine(listPath + ':' + std::to_string(problem.line) + ": " + field + problem.rule);
    }
    if (problems.size() > maxReportedProblems) {
        printLine(listPath + ": " + std::to_string(problems.size() - maxReportedProblems)
            + " more problems not shown");
    }
}

// The work factor of --iterations: a whole number from 1 up.
std::optional<std::uint32_t> iterationsArgument(const std::string &text)
{
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0) {
        return std::nullopt;
    }
    return value;
}

} // namespace

int main(int argc, char *argv[])
{
    std::vector<std::string> args(argv + 1, argv + argc);
    const bool seal = !args.empty() && args.front() == "--seal";
    std::optional<std::uint32_t> sealIterations = sealing::defaultIterations;
    if (seal) {
        args.erase(args.begin());
        if (args.size() > 2 && args.front() == "--iterations") {
            sealIterations = iterationsArgument(args[1]);
            args.erase(args.begin(), args.begin() + 2);
        }
    }
    if (args.size() != 2 || !sealIterations) {
        printLine("usage: tablebuilder [--seal [--iterations N]] <results.tsv> <out.cpp>");
        return 2;
    }
    const std::string listPath = args[0];
    const std::filesystem::path outputPath = args[1];
    std::string error;

    std::ifstream list(listPath, std::ios::binary);
    const std::string contents(std::istreambuf_iterator<char>(list), {});
    if (!list.is_open() || list.bad()) {
        printLine(listPath + ": cannot read");
        OutputFile::remove(outputPath, &error);
        return 2;
    }
    const ParsedResultsList parsed = parseResultsList(contents);
    if (!parsed.problems.empty()) {
        reportProblems(listPath, parsed.problems);
        if (!OutputFile::remove(outputPath, &error)) {
            printLine(outputPath.string() + ": cannot remove the stale output: " + error);
        }
        return 1;
    }

    const std::string listName = std::filesystem::path(listPath).filename().string();
    const std::string source = seal ? sealedSource(parsed.records, listName, *sealIterations)
                                    : recordsSource(parsed.records, listName);
    if (!OutputFile::writeIfChanged(outputPath, source, &error)) {
        printLine(outputPath.string() + ": cannot write: " + error);
        return 2;
    }
    return 0;
}
