// The tools' console on Windows (tools/common/console.h), started as
//   tst_console "招聘 2020\笔试 成绩.csv"
// with standard input and output that are no console, as in a script or a test: the argument
// arrives as UTF-8 whatever the ANSI code page, becomes the same path again, messages reach a
// file as UTF-8 bytes, progress there is a plain line now and then, and the program never waits
// for a key.
#include "check.h"
#include "tools/common/console.h"

#include <fstream>
#include <iterator>
#include <string>
#include <windows.h>

namespace {

constexpr std::string_view argument = "招聘 2020\\笔试 成绩.csv";

// What the console writes to the standard handle while it is a new file, read back.
template<typename Write> std::string writtenToFile(DWORD standardHandle, Write write)
{
    const wchar_t *name = L"tst_console.out";
    const HANDLE file = CreateFileW(
        name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    const HANDLE saved = GetStdHandle(standardHandle);
    SetStdHandle(standardHandle, file);
    write();
    SetStdHandle(standardHandle, saved);
    CloseHandle(file);
    std::ifstream written(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(written), {});
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    const std::vector<std::string> words = console::arguments(0, nullptr);
    if (CHECK_EQ(words.size(), std::size_t(2)) && CHECK_EQ(argc, 2)) {
        CHECK_EQ(words[1], argument);
        CHECK_EQ(console::pathFromUtf8(words[1]).native(), std::wstring_view(argv[1]));
        CHECK_EQ(console::utf8FromPath(console::pathFromUtf8(words[1])), argument);
    }

    CHECK_EQ(writtenToFile(STD_OUTPUT_HANDLE, [] { console::out("共 1117 条\n"); }),
        std::string_view("共 1117 条\n"));
    CHECK_EQ(writtenToFile(STD_ERROR_HANDLE,
                 [] {
                     console::progress("已完成 1/1117");
                     console::progress("已完成 2/1117");
                 }),
        std::string_view("已完成 1/1117\n"));

    // Standard input is no console here: ctest's time-out would end a wait.
    console::holdOwnConsoleOpen();
    return check::summary();
}
