// tablebuilder [--seal [--iterations N] [--salt HEX]] <list> <out.cpp>
// tablebuilder --check <list>
//
// Checks the results list and compiles it into the C++ source of the built-in records: plain
// text, or with --seal sealed records (data/sealedrecords.h) whose keys are derived with N
// iterations, 600,000 unless said otherwise, and a salt drawn at random for every sealing. The
// tests alone fix the salt with --salt (64 hex digits), so that their table is known in advance.
// With --check it only checks the list. Either way it
// prints, in Chinese, how it read the list and its warnings, or its problems (listreport.h). A
// broken list fails the build and leaves no output behind. Exit status: 0 written, already up to
// date or checked, 1 the list is broken, 2 usage or file error. It runs on the build host, also
// in a cross build.

#include "data/platform/fatal.h"
#include "data/sealing/sealedlist.h"
#include "outputfile.h"
#include "recordssource.h"
#include "sealedsource.h"
#include "tools/common/console.h"
#include "tools/common/plainrecords.h"
#include "tools/resultslist/listfile.h"
#include "tools/resultslist/listreport.h"
#include "tools/resultslist/resultslistparser.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view usage
    = "用法：tablebuilder [--seal [--iterations 次数] [--salt 盐]] 名单 输出.cpp\n"
      "      tablebuilder --check 名单\n"
      "检查成绩名单（Excel 另存的 CSV 或制表符分隔文本），把它写成程序内置记录的 C++ 源文件。\n"
      "  --check       只检查名单，不写文件\n"
      "  --seal        写出密封的记录\n"
      "  --iterations  密封时的密钥派生次数，默认 600000；只供测试使用\n"
      "  --salt        密封用的盐（64 位十六进制数），默认每次随机；只供测试使用\n"
      "  --help        显示本说明\n"
      "退出状态：0 完成，1 名单有问题，2 参数或文件错误";

constexpr std::uint32_t maxIterations
    = static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max());

struct Arguments
{
    bool help = false;
    bool checkOnly = false;
    bool seal = false;
    std::optional<std::uint32_t> sealIterations;
    std::optional<sealing::Salt> salt;
    std::string listPath;
    std::filesystem::path outputPath;
    std::string error; // what is wrong with the command line, in Chinese
};

// The work factor of --iterations: a whole number from 1 up to what every platform's PBKDF2
// takes (OpenSSL counts iterations in an int).
std::optional<std::uint32_t> iterationsArgument(std::string_view text)
{
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value == 0
        || value > maxIterations) {
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

Arguments parseArguments(const std::vector<std::string_view> &words)
{
    Arguments arguments;
    std::vector<std::string_view> paths;
    for (std::size_t i = 0; i < words.size() && arguments.error.empty(); ++i) {
        const std::string_view word = words[i];
        if (word == "--help") {
            arguments.help = true;
        } else if (word == "--check") {
            arguments.checkOnly = true;
        } else if (word == "--seal") {
            arguments.seal = true;
        } else if (word == "--iterations" && i + 1 == words.size()) {
            arguments.error = "--iterations 后面缺少次数";
        } else if (word == "--iterations") {
            arguments.sealIterations = iterationsArgument(words[++i]);
            if (!arguments.sealIterations) {
                arguments.error = "--iterations：\"" + std::string(words[i]) + "\" 不是 1 到 "
                    + std::to_string(maxIterations) + " 之间的整数";
            }
        } else if (word == "--salt" && i + 1 == words.size()) {
            arguments.error = "--salt 后面缺少盐";
        } else if (word == "--salt") {
            arguments.salt = saltArgument(words[++i]);
            if (!arguments.salt) {
                arguments.error = "--salt：\"" + std::string(words[i]) + "\" 不是 64 位十六进制数";
            }
        } else if (word.starts_with("--")) {
            arguments.error = "未知的选项 " + std::string(word);
        } else {
            paths.push_back(word);
        }
    }
    const std::size_t wanted = arguments.checkOnly ? 1 : 2;
    if (!arguments.error.empty() || arguments.help) {
        return arguments;
    }
    if (arguments.seal && arguments.checkOnly) {
        arguments.error = "--check 与 --seal 不能同时使用";
    } else if ((arguments.sealIterations || arguments.salt) && !arguments.seal) {
        arguments.error = "--iterations 和 --salt 只能与 --seal 一起使用";
    } else if (paths.size() != wanted) {
        arguments.error = (arguments.checkOnly ? "--check 需要 1 个路径（名单）"
                                               : "需要 2 个路径（名单和输出文件）")
            + std::string("，实有 ") + std::to_string(paths.size()) + " 个";
    } else {
        arguments.listPath = paths[0];
        arguments.outputPath
            = arguments.checkOnly ? std::filesystem::path() : console::pathFromUtf8(paths[1]);
    }
    return arguments;
}

void printLine(std::FILE *stream, const std::string &line)
{
    // The lines are UTF-8, so names and "缺考" survive in the build log and show right on a
    // Windows console.
    (stream == stdout ? console::out : console::err)(line + '\n');
}

// Builds the table from the list, or says why not; returns the exit status.
int build(const Arguments &arguments)
{
    const std::string &listPath = arguments.listPath;
    const std::filesystem::path &outputPath = arguments.outputPath;
    std::string error;
    const listfile::ReadList list = listfile::read(console::pathFromUtf8(listPath));
    if (!list.contents) {
        printLine(stderr, listPath + "：无法读取：" + list.error);
        if (!arguments.checkOnly) {
            outputfile::remove(outputPath, &error);
        }
        return 2;
    }
    const ParsedResultsList parsed = parseResultsList(*list.contents);
    if (!parsed.problems.empty()) {
        for (const std::string &line : listreport::problemLines(listPath, parsed)) {
            printLine(stderr, line);
        }
        if (!arguments.checkOnly && !outputfile::remove(outputPath, &error)) {
            printLine(stderr, console::utf8FromPath(outputPath) + "：无法删除过时的输出：" + error);
        }
        return 1;
    }
    for (const std::string &line : listreport::summaryLines(listPath, parsed)) {
        printLine(stdout, line);
    }
    if (arguments.checkOnly) {
        return 0;
    }
    const std::string listName = console::utf8FromPath(console::pathFromUtf8(listPath).filename());
    const std::string source = arguments.seal
        ? sealedSource(sealing::sealList(plainRecords(parsed.records),
                           arguments.sealIterations.value_or(sealing::defaultIterations),
                           arguments.salt ? *arguments.salt : sealing::randomSalt()),
            listName)
        : recordsSource(parsed.records, listName);
    if (!outputfile::writeIfChanged(outputPath, source, &error)) {
        printLine(stderr, console::utf8FromPath(outputPath) + "：无法写入：" + error);
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    fatal::setToolHandler("tablebuilder");
    const std::vector<std::string> words = console::arguments(argc, argv);
    const Arguments arguments
        = parseArguments(std::vector<std::string_view>(words.begin() + 1, words.end()));
    if (arguments.help) {
        printLine(stdout, std::string(usage));
        return 0;
    }
    if (!arguments.error.empty()) {
        printLine(stderr, "tablebuilder：" + arguments.error + "\n" + std::string(usage));
        return 2;
    }
    return build(arguments);
}
