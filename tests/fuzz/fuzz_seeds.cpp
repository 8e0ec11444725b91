// fuzz_seeds <directory>
// Writes the broken and warned results lists of the table builder's tests, and the valid list
// they start from, as seed files for the fuzz target, so that the corpus follows the tests: each
// as the plain UTF-8 list and as Excel's GB18030 CSV with CRLF, and the valid one also as a
// quoted UTF-8 CSV with a BOM.

#include "madeuplists.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fputs("usage: fuzz_seeds <directory>\n", stderr);
        return 2;
    }
    const std::filesystem::path directory = argv[1];
    std::filesystem::create_directories(directory);
    bool written = true;
    const auto write
        = [&directory, &written](const std::string &name, const std::string &contents) {
              written = madeuplists::writeFile(directory / name, contents) && written;
          };
    const auto writeForms = [&write](const std::string &name, const std::string &tsv) {
        write(name + ".tsv", tsv);
        if (const std::optional<std::string> gb
            = madeuplists::toGb18030(madeuplists::csv(tsv, "\r\n", false))) {
            write(name + "-gb18030.csv", *gb);
        }
    };
    const std::string valid = madeuplists::joined(madeuplists::validLines());
    writeForms("valid", valid);
    write("valid-utf8bom.csv",
        "\xEF\xBB\xBF" + madeuplists::csv(valid.substr(0, valid.size() - 1), "\n", true));
    int n = 0;
    for (const madeuplists::ListCase &list : madeuplists::brokenLists()) {
        writeForms("broken-" + std::to_string(++n), list.contents);
    }
    n = 0;
    for (const madeuplists::ListCase &list : madeuplists::warnedLists()) {
        writeForms("warned-" + std::to_string(++n), list.contents);
    }
    if (!written) {
        std::fprintf(stderr, "%s: cannot write the seeds\n", argv[1]);
        return 1;
    }
    return 0;
}
