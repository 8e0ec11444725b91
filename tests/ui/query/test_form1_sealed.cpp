// The query window's lookups on a sealed table (the tests' work factor): hits show the name and
// score as stored, every other pair gets the one message box, "继续查询" leads to a second lookup,
// and the busy cursor shows for each lookup and is gone before the message box. The plain table
// of the same list says what each record holds.
#include "data/builtinrecords.h"
#include "tests/forms/memoryruntime.h"
#include "ui/query/form1.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

using memoryforms::MemoryRuntime;
using memoryforms::MemoryWindow;

namespace {

constexpr std::u16string_view noMatch = u"身份证号或准考证号错误，请重新输入！";

const ResultTable &plainTable()
{
    static const ResultTable table = [] {
        ResultTable filled;
        assignRecords501To1117(filled);
        assignRecords1To500(filled);
        return filled;
    }();
    return table;
}

std::u16string at(const ResultTable::Column &column, int i)
{
    return std::u16string(column[static_cast<std::size_t>(i)]);
}

int firstRecordWhere(const std::function<bool(int)> &matches)
{
    for (int i = ResultTable::firstRecord; i <= ResultTable::lastRecord; ++i) {
        if (matches(i)) {
            return i;
        }
    }
    return 0;
}

struct Harness
{
    MemoryRuntime runtime;
    Form1 form {runtime};
    MemoryWindow *window = runtime.window("Form1");

    Harness()
    {
        form.Form_Load();
        window->setVisible(true);
    }

    std::u16string text(int index) const
    {
        return window->find("Text1(" + std::to_string(index) + ")").text();
    }
    bool shown(std::string_view name) const { return window->find(name).visible(); }
    void lookUp(std::u16string_view id, std::u16string_view ticket) const
    {
        window->find("Text1(0)").setText(id);
        window->find("Text1(1)").setText(ticket);
        EXPECT_TRUE(window->click("Command3"));
    }
    bool inResultState() const
    {
        return !shown("Command3") && shown("Text1(2)") && shown("Text1(3)") && shown("Label3")
            && shown("Label4") && shown("Command1") && shown("Command2");
    }
    bool inInputState() const
    {
        return shown("Command3") && !shown("Text1(2)") && !shown("Text1(3)") && !shown("Label3")
            && !shown("Label4") && !shown("Command1") && !shown("Command2");
    }
};

} // namespace

TEST(Form1Sealed, loadFillsEveryRecordInTwoStages)
{
    const Harness h;
    const SealedTable &table = h.form.results();
    EXPECT_EQ(table.records.front(), nullptr);
    EXPECT_EQ(table.records.back(), nullptr);
    for (int i = SealedTable::firstRecord; i <= SealedTable::lastRecord; ++i) {
        EXPECT_NE(table.records[static_cast<std::size_t>(i)], nullptr) << i;
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

TEST(Form1Sealed, crossedSwappedAndMistypedPairsGetTheMessageWithoutTheBusyCursor)
{
    const ResultTable &plain = plainTable();
    const int x = firstRecordWhere([&](int i) { return at(plain.sfzh, i).ends_with(u'X'); });
    std::u16string lowerX = at(plain.sfzh, x);
    lowerX.back() = u'x';
    const std::pair<std::u16string, std::u16string> misses[] = {
        {u"", u""},
        {at(plain.sfzh, 1), u""},
        {at(plain.zkzh, 1), at(plain.sfzh, 1)},
        {at(plain.sfzh, 1), at(plain.zkzh, 2)},
        {at(plain.sfzh, 1117), at(plain.zkzh, 1)},
        {lowerX, at(plain.zkzh, x)},
        {u" " + at(plain.sfzh, 1), at(plain.zkzh, 1)},
        {std::u16string {char16_t {0xD800}}, at(plain.zkzh, 1)},
    };
    for (const auto &[id, ticket] : misses) {
        SCOPED_TRACE(std::string(id.begin(), id.end()));
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
