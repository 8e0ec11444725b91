// merrowdale-pack [--check] [--program PROGRAM] [-o OUTPUT] [--iterations N] LIST
//
// Makes the office's own program without a compiler: reads the results list as Excel saves it
// (through tools/resultslist, as the table builder does), seals every record on every core, and
// writes a copy of the built program with the sealed list in the area it reserves for one
// (data/packed/packedlayout.h). The copy is checked by reading it back before it takes OUTPUT's
// place; PROGRAM is never changed. Everything it says is Simplified Chinese, for the clerks who
// run it, often by dropping the list onto the .exe. Exit status: 0 done (or the list checked),
// 1 problems in the list, 2 anything else.

#include "data/packed/packedpayload.h"
#include "data/platform/fatal.h"
#include "data/sealing/sealedlist.h"
#include "ownfolder.h"
#include "packcheck.h"
#include "packerarguments.h"
#include "pendingoutput.h"
#include "plainrecords.h"
#include "programimage.h"
#include "progressline.h"
#include "tools/common/console.h"
#include "tools/resultslist/listfile.h"
#include "tools/resultslist/listreport.h"
#include "tools/resultslist/resultslistparser.h"
#include "tools/resultslist/utf8.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace fs = std::filesystem;

namespace {

enum Status {
    done = 0,
    listProblems = 1,
    otherFailure = 2,
};

#ifdef _WIN32
constexpr const char *programName = "merrowdale-results.exe";
constexpr const char *defaultOutputName = "成绩查询.exe";
#else
constexpr const char *programName = "merrowdale-results";
constexpr const char *defaultOutputName = "成绩查询";
#endif

std::string quoted(const fs::path &path)
{
    return "“" + console::utf8FromPath(path) + "”";
}

std::optional<std::vector<std::uint8_t>> readBytes(const fs::path &path)
{
    std::error_code code;
    if (!fs::is_regular_file(path, code)) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    std::vector<std::uint8_t> bytes(std::istreambuf_iterator<char>(file), {});
    if (!file.is_open() || file.bad()) {
        return std::nullopt;
    }
    return bytes;
}

void printLines(void (*print)(std::string_view), const std::vector<std::string> &lines)
{
    for (const std::string &line : lines) {
        print(line + "\n");
    }
}

// One file, or one path where no file is yet.
bool samePath(const fs::path &a, const fs::path &b)
{
    std::error_code code;
    if (fs::equivalent(a, b, code)) {
        return true;
    }
    std::error_code codeA;
    std::error_code codeB;
    const fs::path canonicalA = fs::weakly_canonical(a, codeA);
    const fs::path canonicalB = fs::weakly_canonical(b, codeB);
    return !codeA && !codeB && canonicalA == canonicalB;
}

std::string sizeText(std::uintmax_t bytes)
{
    const std::uintmax_t tenthsOfMiB = (bytes * 10 + 512 * 1024) / (1024 * 1024);
    return std::to_string(tenthsOfMiB / 10) + "." + std::to_string(tenthsOfMiB % 10) + " MB";
}

int pack(const PackerArguments &arguments)
{
    const fs::path listPath = console::pathFromUtf8(arguments.list);
    const listfile::ReadList list = listfile::read(listPath);
    if (!list.contents) {
        console::err("无法读取成绩表" + quoted(listPath) + "：" + list.error + "\n");
        return otherFailure;
    }
    const ParsedResultsList parsed = parseResultsList(*list.contents);
    if (!parsed.problems.empty()) {
        printLines(console::err, listreport::problemLines(arguments.list, parsed));
        console::err("成绩表有问题，未制作程序。请在 Excel 中改正后重新保存，再试一次。\n");
        return listProblems;
    }
    printLines(console::out, listreport::summaryLines(arguments.list, parsed));
    if (arguments.checkOnly) {
        return done;
    }

    const fs::path programPath
        = arguments.program ? console::pathFromUtf8(*arguments.program) : ownFolder() / programName;
    const fs::path outputPath = arguments.output
        ? console::pathFromUtf8(*arguments.output)
        : listPath.parent_path() / console::pathFromUtf8(defaultOutputName);
    if (samePath(outputPath, programPath) || samePath(outputPath, listPath)) {
        console::err("新程序不能覆盖" + quoted(outputPath)
            + "：它是底本程序或成绩表本身。请用 -o 另给一个文件名。\n");
        return otherFailure;
    }
    const std::optional<std::vector<std::uint8_t>> program = readBytes(programPath);
    if (!program) {
        console::err(
            "无法读取底本程序" + quoted(programPath) + "：文件不存在、不是文件或无权读取\n");
        return otherFailure;
    }
    const std::optional<std::size_t> area = programimage::areaOffset(*program);
    if (!area) {
        console::err(quoted(programPath) + "不是成绩查询程序 merrowdale-results，无法封装成绩。\n");
        return otherFailure;
    }

    const std::vector<sealing::PlainRecord> records = plainRecords(parsed.records);
    const auto start = std::chrono::steady_clock::now();
    const sealing::SealedList sealedList
        = sealing::sealList(records, arguments.iterations.value_or(sealing::defaultIterations),
            sealing::randomSalt(), [&](std::size_t done) {
                console::progress(
                    progressLine(done, records.size(), std::chrono::steady_clock::now() - start));
            });
    const std::vector<std::uint8_t> packed
        = programimage::packed(*program, *area, packedpayload::write(sealedList));

    PendingOutput output(outputPath);
    std::string error;
    if (!output.write(packed, programPath, error)) {
        console::err("无法写入新程序" + quoted(outputPath) + "：" + error + "\n");
        return otherFailure;
    }
    if (!packedProgramOpens(output.temporary(), records)) {
        console::err("检查新程序时发现错误：读回的成绩与成绩表不符。新程序已删除，"
                     "请再试一次；若仍出错，请换一台电脑制作。\n");
        return otherFailure;
    }
    if (!output.commit(error)) {
        console::err("无法保存新程序" + quoted(outputPath) + "：" + error + "\n");
        return otherFailure;
    }
    std::error_code code;
    console::out("已制作新程序：" + console::utf8FromPath(outputPath) + "\n共 "
        + std::to_string(records.size()) + " 条成绩，文件大小 "
        + sizeText(fs::file_size(outputPath, code)) + "。\n");
    return done;
}

int run(int argc, char **argv)
{
    const std::vector<std::string> words = console::arguments(argc, argv);
    const auto parsed = parsePackerArguments(std::span(words).subspan(words.empty() ? 0 : 1));
    if (const std::string *problem = std::get_if<std::string>(&parsed)) {
        console::err(*problem + "\n用法见 merrowdale-pack --help\n");
        return otherFailure;
    }
    const PackerArguments &arguments = std::get<PackerArguments>(parsed);
    if (arguments.help) {
        console::out(packerHelp);
        return done;
    }
    return pack(arguments);
}

} // namespace

int main(int argc, char **argv)
{
    fatal::setToolHandler("merrowdale-pack");
    const int status = run(argc, argv);
    console::holdOwnConsoleOpen();
    return status;
}
