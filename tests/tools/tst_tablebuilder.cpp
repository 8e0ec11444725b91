// Runs the table builder as the build does, on a valid results list made up here and on copies
// of it that each break one rule: a broken list must fail with one message naming the line, the
// field and the rule, and must leave no generated source behind.

#include "resultslists.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace fs = std::filesystem;
using namespace ResultsLists;

namespace {

struct BuilderRun
{
    int exitCode = -1;
    std::vector<std::string> messages;
};

std::string readFile(const fs::path &path)
{
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

bool writeFile(const fs::path &path, const std::string &contents)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file << contents;
    return static_cast<bool>(file.flush());
}

std::size_t count(const std::string &text, const std::string &part)
{
    std::size_t found = 0;
    for (std::size_t at = text.find(part); at != std::string::npos;
         at = text.find(part, at + part.size())) {
        ++found;
    }
    return found;
}

class TableBuilder : public testing::Test
{
protected:
    void SetUp() override
    {
        const testing::TestInfo *test = testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path()
            / ("tst_tablebuilder_" + std::string(test->name()) + '_'
                + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(dir);
        listPath = dir / "results.tsv";
        outputPath = dir / "builtinrecords.cpp";
    }

    void TearDown() override { fs::remove_all(dir); }

    BuilderRun runBuilder() const
    {
        const fs::path errors = dir / "stderr.txt";
        const std::string command = '"' + std::string(TABLEBUILDER_PATH) + "\" \""
            + listPath.string() + "\" \"" + outputPath.string() + "\" 2> \"" + errors.string()
            + '"';
        const int status = std::system(command.c_str());
        BuilderRun run;
#ifdef _WIN32
        run.exitCode = status;
#else
        run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
#endif
        std::istringstream lines(readFile(errors));
        for (std::string line; std::getline(lines, line);) {
            if (!line.empty()) {
                run.messages.push_back(line);
            }
        }
        return run;
    }

    fs::path dir;
    fs::path listPath;
    fs::path outputPath;
};

TEST_F(TableBuilder, ValidListBecomesAssignments)
{
    ASSERT_TRUE(writeFile(listPath, joined(validLines())));
    const BuilderRun run = runBuilder();
    EXPECT_EQ(run.messages, std::vector<std::string>());
    ASSERT_EQ(run.exitCode, 0);

    const std::string source = readFile(outputPath);
    EXPECT_NE(source.find("#include \"data/builtinrecords.h\"\n"), std::string::npos);
    EXPECT_EQ(count(source, "    table."), std::size_t(4 * recordCount));
    EXPECT_TRUE(std::all_of(source.begin(), source.end(), [](char c) {
        return c > 0 && c <= 0x7E;
    })) << "the generated source must be plain ASCII";

    // Record 1 in column order, each a view of its column's text from the start.
    EXPECT_NE(source.find("    table.sfzh[1] = {sfzhText, 18};\n"
                          "    table.zkzh[1] = {zkzhText, 11};\n"
                          "    table.xm[1] = {xmText, 2};\n"
                          "    table.cj[1] = {cjText, 5};\n"),
        std::string::npos);
    // Record 2 follows record 1 in each column; its name and record 9's "缺考" are \u escapes.
    EXPECT_NE(source.find("    table.sfzh[2] = {sfzhText + 18, 18};\n"
                          "    table.zkzh[2] = {zkzhText + 11, 11};\n"
                          "    table.xm[2] = {xmText + 2, 4};\n"),
        std::string::npos);
    EXPECT_NE(source.find("constexpr char16_t sfzhText[] =\n    u\"11010519491231002X\" // 1\n"),
        std::string::npos);
    EXPECT_NE(source.find("constexpr char16_t xmText[] =\n    u\"\\u4E00\\u9FA5\" // 1\n"),
        std::string::npos);
    EXPECT_NE(source.find("    u\"\\u7F3A\\u8003\" // 9\n"), std::string::npos);

    // chushi's records 501 to 1117 come first, then the load handler's 1 to 500, each ascending.
    const std::size_t chushi = source.find("void assignRecords501To1117(ResultTable &table)\n{");
    const std::size_t load = source.find("void assignRecords1To500(ResultTable &table)\n{");
    ASSERT_NE(chushi, std::string::npos);
    ASSERT_NE(load, std::string::npos);
    ASSERT_GT(load, chushi);
    std::vector<int> order;
    for (int n = 501; n <= recordCount; ++n) {
        order.push_back(n);
    }
    for (int n = 1; n <= 500; ++n) {
        order.push_back(n);
    }
    std::size_t previous = chushi;
    for (const int n : order) {
        const std::size_t at = source.find("    table.sfzh[" + std::to_string(n) + "] = ");
        ASSERT_NE(at, std::string::npos) << n;
        EXPECT_TRUE(at > previous && (n > 500) == (at < load)) << n;
        previous = at;
    }
    EXPECT_TRUE(source.substr(0, source.find_last_not_of('\n') + 1).ends_with('}'));
}

TEST_F(TableBuilder, UnchangedOutputIsLeftAlone)
{
    ASSERT_TRUE(writeFile(listPath, joined(validLines())));
    ASSERT_EQ(runBuilder().exitCode, 0);
    const fs::file_time_type old = fs::last_write_time(outputPath) - std::chrono::hours(24 * 30);
    fs::last_write_time(outputPath, old);

    ASSERT_EQ(runBuilder().exitCode, 0);
    EXPECT_EQ(fs::last_write_time(outputPath), old);

    ASSERT_TRUE(writeFile(listPath, withField(1, &Record::cj, "12.3")));
    ASSERT_EQ(runBuilder().exitCode, 0);
    EXPECT_NE(readFile(outputPath).find("    table.cj[1] = {cjText, 4};\n"), std::string::npos);
    EXPECT_NE(readFile(outputPath).find("    u\"12.3\" // 1\n"), std::string::npos);
}

TEST_F(TableBuilder, BrokenListIsRejected)
{
    for (const BrokenList &list : brokenLists()) {
        SCOPED_TRACE(list.name);
        ASSERT_TRUE(writeFile(listPath, list.contents));
        const BuilderRun run = runBuilder();
        EXPECT_EQ(run.exitCode, 1);
        ASSERT_EQ(run.messages.size(), 1u);
        const std::string location = listPath.string() + ':' + std::to_string(list.line) + ": ";
        const std::string &message = run.messages.front();
        EXPECT_TRUE(message.starts_with(location + (list.field.empty() ? "" : list.field + ": ")))
            << message;
        for (const std::string name : {"sfzh", "zkzh", "xm", "cj"}) {
            if (name != list.field) {
                EXPECT_FALSE(message.starts_with(location + name + ": ")) << message;
            }
        }
        EXPECT_NE(message.find(list.rule), std::string::npos) << message;
        EXPECT_FALSE(fs::exists(outputPath));
    }
}

TEST_F(TableBuilder, EveryProblemIsReportedInLineOrder)
{
    std::vector<std::string> lines = validLines();
    std::string &line41 = lines[40];
    line41.replace(line41.find('\t'), 1, "\t\t");
    lines[2] += '\r';
    Record record = validRecord(20);
    record.zkzh = "123";
    record.cj = "05";
    lines[20] = recordLine(record);
    ASSERT_TRUE(writeFile(listPath, joined(lines)));

    const BuilderRun run = runBuilder();
    EXPECT_EQ(run.exitCode, 1);
    const std::vector<std::string> prefixes = {":3: ", ":21: zkzh: ", ":21: cj: ", ":41: "};
    ASSERT_EQ(run.messages.size(), prefixes.size());
    for (std::size_t i = 0; i < prefixes.size(); ++i) {
        EXPECT_TRUE(run.messages[i].starts_with(listPath.string() + prefixes[i]))
            << run.messages[i];
    }
}

TEST_F(TableBuilder, BrokenListRemovesEarlierOutput)
{
    ASSERT_TRUE(writeFile(listPath, joined(validLines())));
    ASSERT_EQ(runBuilder().exitCode, 0);
    ASSERT_TRUE(fs::exists(outputPath));

    ASSERT_TRUE(writeFile(listPath, withField(5, &Record::zkzh, "1")));
    EXPECT_EQ(runBuilder().exitCode, 1);
    EXPECT_FALSE(fs::exists(outputPath));
}

} // namespace
