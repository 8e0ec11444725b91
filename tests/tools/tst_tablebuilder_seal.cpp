// The table builder's --seal, run as the build runs it on the repository's list: every sealing
// draws its own salt, the same list with the same --salt seals to the same bytes, the source
// holds no record's numbers or name, and a work factor that is not a whole number from 1 up is
// refused.

#include "madeuplists.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace fs = std::filesystem;
using madeuplists::exitStatus;
using madeuplists::readFile;

namespace {

int runBuilder(const std::string &arguments)
{
    return exitStatus('"' + std::string(TABLEBUILDER_PATH) + "\" " + arguments);
}

class TableBuilderSeal : public testing::Test
{
protected:
    void SetUp() override
    {
        dir = fs::temp_directory_path()
            / ("tst_tablebuilder_seal_"
                + std::to_string(std::chrono::steady_clock::now().time_since_epoch().count()));
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }

    std::string seal(
        const std::string &iterations, const std::string &name, const std::string &salt = {}) const
    {
        const fs::path out = dir / name;
        const std::string saltOption = salt.empty() ? std::string() : " --salt " + salt;
        EXPECT_EQ(runBuilder("--seal --iterations " + iterations + saltOption
                      + " \"" RESULTS_LIST "\" \"" + out.string() + '"'),
            0);
        return readFile(out);
    }

    fs::path dir;
};

} // namespace

TEST_F(TableBuilderSeal, aFixedSaltSealsTheSameBytesWithoutARecordInTheClear)
{
    const std::string salt(64, '5');
    const std::string first = seal("3", "first.cpp", salt);
    EXPECT_EQ(seal("3", "second.cpp", salt), first);
    EXPECT_NE(seal("4", "other.cpp", salt), first);
    EXPECT_NE(seal("3", "random.cpp"), first);
    EXPECT_NE(seal("3", "random.cpp"), seal("3", "random2.cpp"));
    EXPECT_NE(first.find("void assignRecords501To1117(SealedTable &table)"), std::string::npos);
    EXPECT_NE(first.find("table.iterations = 3;"), std::string::npos);

    std::ifstream list(RESULTS_LIST);
    std::string line;
    std::getline(list, line);
    int records = 0;
    while (std::getline(list, line)) {
        ++records;
        const std::string sfzh = line.substr(0, line.find('\t'));
        const std::string zkzh = line.substr(sfzh.size() + 1, 11);
        EXPECT_EQ(first.find(sfzh), std::string::npos) << line;
        EXPECT_EQ(first.find(zkzh), std::string::npos) << line;
    }
    EXPECT_EQ(records, 1117);
}

TEST_F(TableBuilderSeal, aWorkFactorThatIsNotAWholeNumberFromOneIsRefused)
{
    for (const char *iterations : {"0", "-5", "12x", "2147483648", "4294967296", ""}) {
        const fs::path out = dir / "out.cpp";
        EXPECT_EQ(runBuilder(std::string("--seal --iterations \"") + iterations + "\" \""
                      + RESULTS_LIST + "\" \"" + out.string() + "\" 2>" + (dir / "err").string()),
            2)
            << iterations;
        EXPECT_FALSE(fs::exists(out));
    }
}
