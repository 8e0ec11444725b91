// tablebuilder <results.tsv> <out.cpp>
//
// Checks the results list and compiles it into the C++ source of the built-in records. A broken
// list fails the build with one line per problem, "file:line: field: rule", and leaves no output
// behind. Exit status: 0 written or already up to date, 1 the list is broken, 2 usage or file
// error. Standard C++ only, so that it builds with a host compiler alone.

#include "outputfile.h"
#include "recordssource.h"
#include "resultslistparser.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

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

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        printLine("usage: tablebuilder <results.tsv> <out.cpp>");
        return 2;
    }
    const std::string listPath = argv[1];
    const std::filesystem::path outputPath = argv[2];
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

    const std::string source
        = recordsSource(parsed.records, std::filesystem::path(listPath).filename().string());
    if (!OutputFile::writeIfChanged(outputPath, source, &error)) {
        printLine(outputPath.string() + ": cannot write: " + error);
        return 2;
    }
    return 0;
}
