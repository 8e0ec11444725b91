// Runs the packer on the repository's list, in a folder whose Chinese name holds a space, as an
// office's may: it packs a copy of the program that differs from it only inside the reserved
// area, whose payload holds no record's numbers in the clear and is new at every packing (a
// fresh salt), and every failure leaves the output that was there, the program and the folder
// exactly as they were, with its own exit status.
#include "data/packed/packedlayout.h"
#include "madeuplists.h"

#include <chrono>
#include <filesystem>
#include <gtest/gtest.h>
#include <ostream>
#include <set>
#include <sstream>
#include <string>
#include <string_view>
#include <utility>

namespace fs = std::filesystem;

namespace {

using madeuplists::readFile;
using madeuplists::writeFile;

std::set<fs::path> folderContents(const fs::path &folder)
{
    std::set<fs::path> names;
    for (const fs::directory_entry &entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename());
    }
    return names;
}

std::string quoted(const fs::path &path)
{
    return '"' + path.string() + '"';
}

std::string packing(const fs::path &program, const fs::path &output, const fs::path &list)
{
    return "--iterations 64 --program " + quoted(program) + " -o " + quoted(output) + ' '
        + quoted(list);
}

class Packer : public testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path()
            / fs::u8path("tst_packer_"
                + std::string(testing::UnitTest::GetInstance()->current_test_info()->name()) + "_"
                + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        folder = dir / fs::u8path(u8"成绩 查询");
        fs::create_directories(folder);
        list = folder / fs::u8path(u8"成绩 表.tsv");
        output = folder / fs::u8path(u8"新 程序");
        fs::copy_file(RESULTS_LIST, list);
        writeFile(output, "the output of an earlier run");
    }

    void TearDown() override { fs::remove_all(dir); }

    // The packer's exit status with these arguments, its messages set aside.
    int pack(const std::string &arguments) const
    {
        const std::string command = '"' + std::string(PACKER_PATH) + "\" " + arguments + " > \""
            + (dir / "stdout.txt").string() + "\" 2> \"" + (dir / "stderr.txt").string() + '"';
        return madeuplists::exitStatus(command);
    }

    fs::path dir;
    fs::path folder;
    fs::path list;
    fs::path output;
};

// The payload of a packed program's file.
std::string payloadOf(const std::string &program, std::size_t area)
{
    return program.substr(area + packedlayout::payloadOffset, packedlayout::payloadBytes);
}

// The program may have been packed already, as a sealed build's is: packing it again replaces its
// list.
TEST_F(Packer, PacksACopyThatDiffersOnlyInTheReservedArea)
{
    const std::string program = readFile(PROGRAM_PATH);
    ASSERT_EQ(pack(packing(PROGRAM_PATH, output, list)), 0);
    const std::string packed = readFile(output);
    EXPECT_EQ(readFile(PROGRAM_PATH), program);
    ASSERT_EQ(packed.size(), program.size());
    const std::size_t area = program.find(packedlayout::mark);
    ASSERT_NE(area, std::string::npos);
    EXPECT_EQ(packed[area + packedlayout::fuseOffset], packedlayout::packed);
    EXPECT_EQ(packed.substr(0, area + packedlayout::fuseOffset),
        program.substr(0, area + packedlayout::fuseOffset));
    EXPECT_EQ(packed.substr(area + packedlayout::areaBytes),
        program.substr(area + packedlayout::areaBytes));
    const std::string payload = payloadOf(packed, area);
    EXPECT_NE(payload, payloadOf(program, area));
    const fs::path again = folder / "again";
    ASSERT_EQ(pack(packing(PROGRAM_PATH, again, list)), 0);
    EXPECT_NE(payloadOf(readFile(again), area), payload);
    fs::remove(again);
    std::istringstream lines(readFile(list));
    std::string line;
    std::getline(lines, line);
    int records = 0;
    while (std::getline(lines, line)) {
        ++records;
        const std::string sfzh = line.substr(0, line.find('\t'));
        EXPECT_EQ(payload.find(sfzh), std::string::npos) << line;
        EXPECT_EQ(payload.find(line.substr(sfzh.size() + 1, 11)), std::string::npos) << line;
    }
    EXPECT_EQ(records, 1117);
    EXPECT_EQ(folderContents(folder), (std::set<fs::path> {list.filename(), output.filename()}));
#ifndef _WIN32
    EXPECT_EQ(fs::status(output).permissions(), fs::status(PROGRAM_PATH).permissions());
#endif
}

TEST_F(Packer, CheckReadsTheListAndMakesNothing)
{
    EXPECT_EQ(pack("--check \"" + list.string() + '"'), 0);
    EXPECT_EQ(readFile(output), "the output of an earlier run");
    EXPECT_EQ(folderContents(folder), (std::set<fs::path> {list.filename(), output.filename()}));
}

// One way to fail: the packer's arguments, where {program}, {packer}, {list}, {output} and
// {folder} stand for the test's quoted paths, and the exit status it must end with.
struct Failure
{
    const char *name;
    int status;
    std::string_view arguments;
};

// Test output names the row, not its bytes.
void PrintTo(const Failure &failure, std::ostream *out)
{
    *out << failure.name;
}

class PackerFailure : public Packer, public testing::WithParamInterface<Failure>
{
protected:
    std::string arguments() const
    {
        const std::pair<std::string_view, fs::path> places[]
            = {{"{program}", PROGRAM_PATH}, {"{packer}", PACKER_PATH}, {"{list}", list},
                {"{output}", output}, {"{folder}", folder}};
        std::string text(GetParam().arguments);
        for (const auto &[name, path] : places) {
            for (std::size_t at = text.find(name); at != std::string::npos; at = text.find(name)) {
                text.replace(at, name.size(), quoted(path));
            }
        }
        return text;
    }
};

TEST_P(PackerFailure, LeavesTheOutputAndTheFolderAlone)
{
    std::string contents = readFile(list);
    if (std::string(GetParam().name) == "broken_list") {
        // Record 1's ticket number of four digits.
        contents.replace(contents.find('\t', contents.find('\n')) + 1, 11, "1234");
        writeFile(list, contents);
    }
    const std::string program = readFile(PROGRAM_PATH);
    const std::set<fs::path> before = folderContents(folder);
    EXPECT_EQ(pack(arguments()), GetParam().status);
    EXPECT_EQ(readFile(output), "the output of an earlier run");
    EXPECT_EQ(readFile(list), contents);
    EXPECT_EQ(readFile(PROGRAM_PATH), program);
    EXPECT_EQ(folderContents(folder), before);
}

INSTANTIATE_TEST_SUITE_P(Packer, PackerFailure,
    testing::Values(
        Failure {"broken_list", 1, "--iterations 64 --program {program} -o {output} {list}"},
        Failure {"folder_as_list", 2, "--iterations 64 --program {program} -o {output} {folder}"},
        Failure {"missing_list", 2, "--iterations 64 --program {program} -o {output} {list}.none"},
        Failure {"packer_as_program", 2, "--iterations 64 --program {packer} -o {output} {list}"},
        Failure {"list_as_program", 2, "--iterations 64 --program {list} -o {output} {list}"},
        Failure {"output_is_program", 2, "--iterations 64 --program {program} -o {program} {list}"},
        Failure {"output_is_list", 2, "--iterations 64 --program {program} -o {list} {list}"},
        Failure {"output_folder_missing", 2,
            "--iterations 64 --program {program} -o {folder}/none/x {list}"},
        Failure {"iterations_not_a_number", 2, "--iterations 12x -o {output} {list}"},
        Failure {"iterations_zero", 2, "--iterations 0 -o {output} {list}"},
        Failure {"iterations_beyond_an_int", 2, "--iterations 2147483648 -o {output} {list}"},
        Failure {"unknown_option", 2, "--seal -o {output} {list}"}),
    [](const testing::TestParamInfo<Failure> &row) { return std::string(row.param.name); });

} // namespace
