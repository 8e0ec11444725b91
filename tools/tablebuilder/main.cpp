// tablebuilder <list> <out.cpp>
// tablebuilder --check <list>
//
// Checks the results list and compiles it into the C++ source of the built-in records, as plain
// text (a sealed build packs its list into the linked program instead, with merrowdale-pack).
// With --check it only checks the list. Either way it prints, in Chinese, how it read the list
// and its warnings, or its problems (listreport.h). A broken list fails the build and leaves no
// output behind. Exit status: 0 written, already up to date or checked, 1 the list is broken, 2
// usage or file error. It runs on the build host, also in a cross build.

#include "data/platform/fatal.h"
#include "outputfile.h"
#include "recordssource.h"
#include "tools/common/console.h"
#include "tools/resultslist/listfile.h"
#include "tools/resultslist/listreport.h"
#include "tools/resultslist/resultslistparser.h"

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::string_view usage
    = "用法：tablebuilder 名单 输出.cpp\n"
      "      tablebuilder --check 名单\n"
      "检查成绩名单（Excel 另存的 CSV 或制表符分隔文本），把它写成程序内置记录的 C++ 源文件。\n"
      "  --check       只检查名单，不写文件\n"
      "  --help        显示本说明\n"
      "退出状态：0 完成，1 名单有问题，2 参数或文件错误";

struct Arguments
{
    bool help = false;
    bool checkOnly = false;
    std::string listPath;
    std::filesystem::path outputPath;
    std::string error; // what is wrong with the command line, in Chinese
};

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
    if (paths.size() != wanted) {
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
    const std::string source = recordsSource(parsed.records, listName);
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
