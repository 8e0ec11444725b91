// fuzz_seeds <directory>
// Writes the broken results lists of the table builder's tests, and the valid list they start
// from, as seed files for the fuzz target, so that the corpus follows the tests: each as the
// plain UTF-8 list and as Excel's GB18030 CSV with CRLF, and the valid one also as a quoted
// UTF-8 CSV with a BOM.

#include "madeuplists.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iconv.h>
#include <optional>
#include <string>

namespace {

// The lines as CSV with the given line end, every field in quotes when quoted is set.
std::string csv(const std::string &tsv, const std::string &lineEnd, bool quoted)
{
    std::string out = quoted ? "\"" : "";
    for (const char c : tsv) {
        if (c == '\t') {
            out += quoted ? "\",\"" : ",";
        } else if (c == '\n') {
            out += (quoted ? "\"" : "") + lineEnd + (quoted ? "\"" : "");
        } else if (c == '"' && quoted) {
            out += "\"\"";
        } else {
            out += c;
        }
    }
    return out;
}

// GB18030 through glibc, or nothing when the text has bytes that are not UTF-8.
std::optional<std::string> gb18030(const std::string &utf8)
{
    const iconv_t converter = iconv_open("GB18030", "UTF-8");
    std::string out(utf8.size() * 2 + 4, '\0');
    char *in = const_cast<char *>(utf8.data());
    std::size_t inLeft = utf8.size();
    char *at = out.data();
    std::size_t outLeft = out.size();
    const bool converted = converter != reinterpret_cast<iconv_t>(-1)
        && iconv(converter, &in, &inLeft, &at, &outLeft) != static_cast<std::size_t>(-1);
    if (converter != reinterpret_cast<iconv_t>(-1)) {
        iconv_close(converter);
    }
    if (!converted) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace

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
              std::ofstream file(directory / name, std::ios::binary | std::ios::trunc);
              file << contents;
              written = static_cast<bool>(file.flush()) && written;
          };
    const auto writeForms = [&write](const std::string &name, const std::string &tsv) {
        write(name + ".tsv", tsv);
        if (const std::optional<std::string> gb = gb18030(csv(tsv, "\r\n", false))) {
            write(name + "-gb18030.csv", *gb);
        }
    };
    const std::string valid = madeuplists::joined(madeuplists::validLines());
    writeForms("valid", valid);
    write("valid-utf8bom.csv", "\xEF\xBB\xBF" + csv(valid.substr(0, valid.size() - 1), "\n", true));
    int n = 0;
    for (const madeuplists::BrokenList &list : madeuplists::brokenLists()) {
        writeForms("broken-" + std::to_string(++n), list.contents);
    }
    if (!written) {
        std::fprintf(stderr, "%s: cannot write the seeds\n", argv[1]);
        return 1;
    }
    return 0;
}
