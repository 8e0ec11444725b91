// fuzz_seeds <directory>
// Writes the broken results lists of the table builder's tests, and the valid list they start
// from, as seed files for the fuzz target, so that the corpus follows the tests.

#include "resultslists.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: fuzz_seeds <directory>\n", stderr);
        return 2;
    }
    const std::filesystem::path directory = argv[1];
    std::filesystem::create_directories(directory);
    const auto write = [&directory](const std::string &name, const std::string &contents) {
        std::ofstream file(directory / name, std::ios::binary | std::ios::trunc);
        file << contents;
        return static_cast<bool>(file.flush());
    };
    bool written = write("valid.tsv", ResultsLists::joined(ResultsLists::validLines()));
    int n = 0;
    for (const ResultsLists::BrokenList &list : ResultsLists::brokenLists()) {
        written = write("broken-" + std::to_string(++n) + ".tsv", list.contents) && written;
    }
    if (!written) {
        std::fprintf(stderr, "%s: cannot write the seeds\n", argv[1]);
        return 1;
    }
    return 0;
}
