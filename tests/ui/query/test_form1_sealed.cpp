// The query window's lookups on a sealed list added to the program (the tests' work factor): the
// compiled-in records are never loaded, hits show the name and score as stored, every other pair
// gets the one message box, "继续查询" leads to a second lookup, and the busy cursor shows for each
// lookup and is gone before the message box. The plain table of the same list says what each
// record holds.
#include "tests/data/nearmisses.h"
#include "tests/ui/form1harness.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <string>

using memoryforms::MemoryRuntime;

struct Harness : Form1Harness
{
    Harness()
        : Form1Harness({}, &bothTables().sealed)
    { }
};

TEST(Form1Sealed, loadLeavesTheCompiledInRecordsUnloaded)
{
    const Harness h;
    const ResultTable &table = h.form->results();
    for (const ResultTable::Column *column : {&table.sfzh, &table.zkzh, &table.xm, &table.cj}) {
        EXPECT_TRUE(
            std::ranges::all_of(*column, [](std::u16string_view text) { return text.empty(); }));
    }
    EXPECT_TRUE(h.inInputState());
}

TEST(Form1Sealed, aHitShowsNameAndScoreExactlyAsStored)
{
    const ResultTable &plain = plainTable();
    const int records[]
        = {1, 1117, firstRecordWhere([&](int i) { return at(plain.cj, i) == u"缺考"; }),
            firstRecordWhere([&](int i) { return at(plain.sfzh, i).ends_with(u'X'); }),
            firstRecordWhere([&](int i) { return at(plain.cj, i).size() == 5; })};
    for (const int record : records) {
        SCOPED_TRACE(record);
        ASSERT_GE(record, 1);
        Harness h;
        h.lookUp(at(plain.sfzh, record), at(plain.zkzh, record));
        EXPECT_TRUE(h.runtime.boxes.empty());
        EXPECT_TRUE(h.inResultState());
        EXPECT_EQ(h.text(0), at(plain.sfzh, record));
        EXPECT_EQ(h.text(1), at(plain.zkzh, record));
        EXPECT_EQ(h.text(2), at(plain.xm, record));
        EXPECT_EQ(h.text(3), at(plain.cj, record));
        EXPECT_EQ(h.window->busySpells, 1);
        EXPECT_FALSE(h.window->busy);
    }
}

TEST(Form1Sealed, nearMissesGetTheMessageWithoutTheBusyCursor)
{
    for (const auto &[what, id, ticket] : nearMisses(plainTable())) {
        SCOPED_TRACE(what);
        Harness h;
        std::pair<std::u16string, std::u16string> behindTheBox;
        bool busyBehindTheBox = true;
        h.runtime.whileBoxShown = [&](const MemoryRuntime::Box &) {
            behindTheBox = {h.text(0), h.text(1)};
            busyBehindTheBox = h.window->busy;
        };
        h.lookUp(id, ticket);
        ASSERT_EQ(h.runtime.boxes.size(), 1U);
        EXPECT_EQ(h.runtime.boxes[0].prompt, noMatch);
        EXPECT_EQ(behindTheBox, std::pair(id, ticket));
        EXPECT_FALSE(busyBehindTheBox);
        EXPECT_EQ(h.window->busySpells, 1);
        EXPECT_TRUE(h.text(0).empty());
        EXPECT_TRUE(h.text(1).empty());
        EXPECT_TRUE(h.inInputState());
    }
}

TEST(Form1Sealed, continueLeadsToASecondLookup)
{
    const ResultTable &plain = plainTable();
    Harness h;
    h.lookUp(at(plain.sfzh, 5), at(plain.zkzh, 5));
    ASSERT_TRUE(h.inResultState());
    EXPECT_TRUE(h.window->click("Command1"));
    EXPECT_TRUE(h.inInputState());
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(h.text(i).empty()) << i;
    }
    h.lookUp(at(plain.sfzh, 700), at(plain.zkzh, 700));
    EXPECT_TRUE(h.inResultState());
    EXPECT_EQ(h.text(2), at(plain.xm, 700));
    EXPECT_EQ(h.text(3), at(plain.cj, 700));
    EXPECT_EQ(h.window->busySpells, 2);
}
