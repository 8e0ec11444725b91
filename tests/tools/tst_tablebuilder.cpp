// Runs the table builder as the build does, on a valid results list made up here and on copies
// of it that each break one rule or earn a warning: a broken list must fail with the reader's
// report of its problems and leave no generated source behind; warnings go out with the summary.
// With --check it only reports.

#include "madeuplists.h"
#include "tools/resultslist/listreport.h"
#include "tools/resultslist/resultslistparser.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace fs = std::filesystem;
using namespace madeuplists;
using namespace std::string_literals;

namespace {

struct BuilderRun
{
    int exitCode = -1;
    std::vector<std::string> messages; // standard error, line by line
    std::vector<std::string> summary; // standard output, line by line
};

std::vector<std::string> linesOf(const std::string &text)
{
    std::vector<std::string> lines;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);) {
        if (!line.empty()) {
            lines.push_back(line);
        }
    }
    return lines;
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

    // As the build runs it, or with --check.
    BuilderRun runBuilder(bool check = false) const
    {
        return run(check ? "--check \"" + listPath.string() + '"'
                         : '"' + listPath.string() + "\" \"" + outputPath.string() + '"');
    }

    BuilderRun run(const std::string &arguments) const
    {
        const fs::path errors = dir / "stderr.txt";
        const fs::path output = dir / "stdout.txt";
        BuilderRun run;
        run.exitCode = exitStatus('"' + std::string(TABLEBUILDER_PATH) + "\" " + arguments + " > \""
            + output.string() + "\" 2> \"" + errors.string() + '"');
        run.summary = linesOf(readFile(output));
        run.messages = linesOf(readFile(errors));
        return run;
    }

    // What the reader's report says of the list, as both tools print it.
    std::vector<std::string> expectedSummary() const
    {
        return listreport::summaryLines(listPath.string(), parseResultsList(readFile(listPath)));
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
    EXPECT_EQ(count(source, "    table."), std::size_t(4 * ResultTable::lastRecord));
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
    for (int n = 501; n <= ResultTable::lastRecord; ++n) {
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
    for (const ListCase &list : brokenLists()) {
        SCOPED_TRACE(list.name);
        ASSERT_TRUE(writeFile(listPath, list.contents));
        const BuilderRun run = runBuilder();
        EXPECT_EQ(run.exitCode, 1);
        ASSERT_FALSE(run.messages.empty());
        EXPECT_EQ(run.messages,
            listreport::problemLines(listPath.string(), parseResultsList(list.contents)));
        EXPECT_TRUE(run.summary.empty());
        EXPECT_FALSE(fs::exists(outputPath));
    }
}

TEST_F(TableBuilder, WarningsGoOutWithTheSummary)
{
    for (const ListCase &list : warnedLists()) {
        SCOPED_TRACE(list.name);
        ASSERT_TRUE(writeFile(listPath, list.contents));
        const BuilderRun run = runBuilder();
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.messages, std::vector<std::string>());
        EXPECT_EQ(run.summary.size(), static_cast<std::size_t>(list.count) + 1);
        EXPECT_EQ(run.summary, expectedSummary());
        EXPECT_TRUE(fs::exists(outputPath));
    }
}

TEST_F(TableBuilder, TenDamagedRowsGiveTenMessagesInLineOrder)
{
    // Every kind of Excel's damage, four of them twice, planted from the bottom up.
    std::vector<std::string> lines = validLines();
    std::vector<DamagedNumber> damages = damagedNumbers();
    const std::vector<DamagedNumber> kinds = damages;
    for (const auto &[kind, n] : {std::pair {0, 1000}, {2, 700}, {3, 300}, {5, 150}}) {
        damages.push_back(kinds[static_cast<std::size_t>(kind)]);
        damages.back().n = n;
    }
    std::reverse(damages.begin(), damages.end());
    for (const DamagedNumber &damage : damages) {
        Record record = validRecord(damage.n);
        record.*damage.field = damage.value;
        lines[static_cast<std::size_t>(damage.n)] = recordLine(record);
    }
    ASSERT_TRUE(writeFile(listPath, joined(lines)));

    const BuilderRun run = runBuilder();
    EXPECT_EQ(run.exitCode, 1);
    std::sort(damages.begin(), damages.end(),
        [](const DamagedNumber &a, const DamagedNumber &b) { return a.n < b.n; });
    const ParsedResultsList parsed = parseResultsList(joined(lines));
    ASSERT_EQ(parsed.problems.size(), 10u);
    for (std::size_t i = 0; i < damages.size(); ++i) {
        EXPECT_EQ(parsed.problems[i].line, damages[i].n + 1);
        EXPECT_EQ(parsed.problems[i].code, damages[i].code);
        EXPECT_EQ(parsed.problems[i].column, damages[i].column);
    }
    EXPECT_EQ(run.messages, listreport::problemLines(listPath.string(), parsed));
    EXPECT_EQ(run.messages.size(), 10u);
    EXPECT_TRUE(run.summary.empty());
}

TEST_F(TableBuilder, CheckSummarisesTheListAndWritesNothing)
{
    std::vector<std::string> lines = validLines();
    lines[0] = "序号\t 姓名\t准考证号\t身份证号\u3000\t笔试成绩";
    for (int n = 1; n <= ResultTable::lastRecord; ++n) {
        const Record r = validRecord(n);
        lines[static_cast<std::size_t>(n)] = std::to_string(n) + '\t' + r.xm + "\t " + r.zkzh + '\t'
            + r.sfzh + '\t' + r.cj + (n <= 3 ? "\u3000" : "");
    }
    ASSERT_TRUE(writeFile(listPath, joined(lines)));

    const BuilderRun run = runBuilder(true);
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.messages, std::vector<std::string>());
    EXPECT_EQ(run.summary, expectedSummary());
    // Trimmed: two names of the header, every ticket number, the first three scores.
    const ParsedResultsList parsed = parseResultsList(joined(lines));
    EXPECT_EQ(parsed.layout.fieldsTrimmed, 1122);
    EXPECT_EQ(parsed.layout.columnNumbers, (std::array<std::size_t, 4> {4, 3, 2, 5}));
    EXPECT_FALSE(fs::exists(outputPath));

    ASSERT_TRUE(writeFile(listPath, withField(5, &Record::zkzh, "1")));
    const BuilderRun broken = runBuilder(true);
    EXPECT_EQ(broken.exitCode, 1);
    EXPECT_EQ(broken.messages.size(), 1u);
    EXPECT_TRUE(broken.summary.empty());
}

TEST_F(TableBuilder, BuildSummaryNamesTheEncoding)
{
    ASSERT_TRUE(writeFile(listPath, "\xEF\xBB\xBF" + joined(validLines())));
    const BuilderRun run = runBuilder();
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.summary, expectedSummary());
    EXPECT_TRUE(fs::exists(outputPath));
}

// A list that cannot be read is a file error, said in one line, with the builder's output gone.
TEST_F(TableBuilder, UnreadableListIsAFileError)
{
    ASSERT_TRUE(writeFile(listPath, joined(validLines())));
    ASSERT_EQ(runBuilder().exitCode, 0);
    for (const fs::path &unreadable : {dir, dir / "missing.tsv"}) {
        SCOPED_TRACE(unreadable.string());
        listPath = unreadable;
        for (const bool check : {true, false}) {
            const BuilderRun run = runBuilder(check);
            EXPECT_EQ(run.exitCode, 2);
            EXPECT_EQ(run.messages.size(), 1u);
        }
        EXPECT_FALSE(fs::exists(outputPath));
    }
}

TEST_F(TableBuilder, WrongArgumentsAreAUsageError)
{
    ASSERT_TRUE(writeFile(listPath, joined(validLines())));
    const std::string list = '"' + listPath.string() + '"';
    for (const std::string &arguments : {std::string(), "--check"s, "--check a b"s, "a"s, "a b c"s,
             "--unknown a b"s, "--check --seal "s + list, "--iterations 5 a b"s,
             "--seal --iterations"s, "--seal --iterations 12x a b"s}) {
        SCOPED_TRACE(arguments);
        const BuilderRun run = this->run(arguments);
        EXPECT_EQ(run.exitCode, 2);
        // What is wrong, then how the builder is used.
        ASSERT_GE(run.messages.size(), 2u);
        EXPECT_TRUE(run.messages[0].starts_with("tablebuilder："));
        EXPECT_EQ(run.messages[1], this->run("--help").summary.front());
    }
    EXPECT_EQ(this->run("--help").exitCode, 0);
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
