// The query window's handlers, on the in-memory forms runtime: the two display states, hits and
// misses, "继续查询", the ways out, and centring at load.
#include "tests/data/nearmisses.h"
#include "tests/ui/form1harness.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <string>

using memoryforms::MemoryRuntime;
using memoryforms::MemoryWindow;

namespace {

using Harness = Form1Harness;

std::u16string sfzh(int i)
{
    return at(plainTable().sfzh, i);
}

std::u16string zkzh(int i)
{
    return at(plainTable().zkzh, i);
}

std::size_t idx(int i)
{
    return static_cast<std::size_t>(i);
}

int findRecord(const std::function<bool(std::size_t)> &matches)
{
    return firstRecordWhere([&](int i) { return matches(idx(i)); });
}

} // namespace

TEST(Form1, loadLeavesTheInputStateWithEmptyBoxesAndAFullTable)
{
    const Harness h;
    EXPECT_TRUE(h.inInputState());
    EXPECT_TRUE(h.othersUntouched());
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(h.text(i).empty()) << i;
    }
    for (const auto *column : {&h.form->results().sfzh, &h.form->results().zkzh,
             &h.form->results().xm, &h.form->results().cj}) {
        EXPECT_TRUE(column->front().empty());
        EXPECT_TRUE(column->back().empty());
        EXPECT_TRUE(std::none_of(column->begin() + 1, column->end() - 1,
            [](std::u16string_view value) { return value.empty(); }));
    }
    EXPECT_TRUE(h.runtime.boxes.empty());
    EXPECT_EQ(h.runtime.ends, 0);
}

TEST(Form1, aHitShowsNameAndScoreExactlyAsStored)
{
    const Harness probe;
    const ResultTable &table = probe.form->results();
    const int records[]
        = {1, 1117, findRecord([&](std::size_t i) { return table.cj[i] == u"缺考"; }),
            findRecord([&](std::size_t i) { return table.sfzh[i].ends_with(u'X'); }),
            findRecord([&](std::size_t i) { return table.cj[i].size() == 4; }),
            findRecord(
                [&](std::size_t i) { return table.cj[i].size() == 2 && table.cj[i] != u"缺考"; })};
    for (const int record : records) {
        SCOPED_TRACE(record);
        ASSERT_GE(record, 1);
        const Harness h;
        h.lookUp(sfzh(record), zkzh(record));
        EXPECT_TRUE(h.runtime.boxes.empty());
        EXPECT_TRUE(h.inResultState());
        EXPECT_TRUE(h.othersUntouched());
        EXPECT_EQ(h.text(0), sfzh(record));
        EXPECT_EQ(h.text(1), zkzh(record));
        EXPECT_EQ(h.text(2), table.xm[idx(record)]);
        EXPECT_EQ(h.text(3), table.cj[idx(record)]);
        EXPECT_EQ(h.runtime.ends, 0);
    }
}

TEST(Form1, aMissSaysSoOverTheTypedNumbersThenEmptiesOnlyTheInputs)
{
    for (const auto &[what, id, ticket] : nearMisses(plainTable())) {
        SCOPED_TRACE(what);
        Harness h;
        std::pair<std::u16string, std::u16string> behindTheBox;
        h.runtime.whileBoxShown = [&h, &behindTheBox](const MemoryRuntime::Box &) {
            behindTheBox = {h.text(0), h.text(1)};
        };
        h.lookUp(id, ticket);

        ASSERT_EQ(h.runtime.boxes.size(), 1U);
        EXPECT_EQ(h.runtime.boxes[0].prompt, noMatch);
        EXPECT_EQ(h.runtime.boxes[0].owner, "Form1");
        // The user sees the numbers as typed behind the box; they go once it is dismissed.
        EXPECT_EQ(behindTheBox, std::pair(id, ticket));
        for (int i = 0; i < 4; ++i) {
            EXPECT_TRUE(h.text(i).empty()) << i;
        }
        EXPECT_TRUE(h.inInputState());
        EXPECT_TRUE(h.othersUntouched());
    }
}

TEST(Form1, continueReturnsToTheInputStateForASecondLookup)
{
    const Harness h;
    h.lookUp(sfzh(5), zkzh(5));
    ASSERT_TRUE(h.inResultState());
    // Only "继续查询" leads on: the hidden "确    定" takes no click.
    EXPECT_FALSE(h.window->click("Command3"));
    // What the user types into the result boxes is never read.
    h.type(2, u"改");

    EXPECT_TRUE(h.window->click("Command1"));
    EXPECT_TRUE(h.inInputState());
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(h.text(i).empty()) << i;
    }
    EXPECT_FALSE(h.window->click("Command1"));

    h.lookUp(sfzh(700), zkzh(700));
    EXPECT_TRUE(h.inResultState());
    EXPECT_EQ(h.text(2), h.form->results().xm[700]);
    EXPECT_EQ(h.text(3), h.form->results().cj[700]);
    EXPECT_TRUE(h.runtime.boxes.empty());
}

TEST(Form1, exitAndClosingEndTheProgram)
{
    {
        const Harness h;
        h.lookUp(sfzh(1), zkzh(1));
        EXPECT_TRUE(h.window->click("Command2"));
        EXPECT_EQ(h.runtime.ends, 1);
    }
    for (const bool resultState : {false, true}) {
        const Harness h;
        if (resultState) {
            h.lookUp(sfzh(1), zkzh(1));
        }
        h.window->close();
        EXPECT_EQ(h.runtime.ends, 1);
        EXPECT_TRUE(h.runtime.boxes.empty());
    }
}

TEST(Form1, loadCentresTheOuterWindowOnThePrimaryScreen)
{
    // The outer window is 9180 by 5400 twips: the designed client area, the caption bar and the
    // frame of the in-memory runtime.
    struct Case
    {
        const char *what;
        forms::ScreenTwips screen;
        float left;
        float top;
    };
    const Case cases[] = {
        {"a full-HD screen", {0, 0, 28800, 16200}, 9810, 5400},
        {"a screen whose origin is not 0,0", {-19200, 4500, 19200, 12000}, -14190, 7800},
        {"a screen smaller than the window", {0, 0, 9000, 4500}, -90, -450},
        {"odd twips, halves kept", {0, 0, 12001, 9001}, 1410.5F, 1800.5F},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        const Harness h([&c](MemoryRuntime &runtime) { runtime.primaryScreen = c.screen; });
        EXPECT_EQ(h.window->width(), 9180);
        EXPECT_EQ(h.window->height(), 5400);
        EXPECT_EQ(h.window->left(), c.left);
        EXPECT_EQ(h.window->top(), c.top);
    }
}

TEST(Form1, aFrameThatArrivesLateCentresTheWindowOnceMore)
{
    Harness h([](MemoryRuntime &runtime) { runtime.framesArriveLate = true; });
    // Centred by the client area of 9090 by 5025 twips on the full-HD screen.
    EXPECT_EQ(h.window->left(), 9855);
    EXPECT_EQ(h.window->top(), 5587.5F);
    h.window->tick();
    h.window->frameArrives();
    EXPECT_EQ(h.window->left(), 9810);
    EXPECT_EQ(h.window->top(), 5400);
    // The panel loaded by the tick was sized from the frameless window and is sized again.
    const MemoryWindow *panel = h.runtime.window("Form2");
    EXPECT_EQ(panel->height(), 5400);
    EXPECT_EQ(panel->width(), 4590);
}

TEST(Form1, onlyTheFirstFrameChangeCanCentreTheWindowAgain)
{
    struct Case
    {
        const char *what;
        std::function<void(MemoryWindow &)> firstChange;
    };
    const Case cases[] = {
        {"the frame arrives late", [](MemoryWindow &window) { window.frameArrives(); }},
        // The window manager frames the window anew at the same outer size.
        {"the first change keeps the size", [](MemoryWindow &window) { window.frameGrows(0, 0); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Harness h([](MemoryRuntime &runtime) { runtime.framesArriveLate = true; });
        c.firstChange(*h.window);
        // The user drags the window; then a theme with a taller caption bar, or a DPI change,
        // frames it anew.
        h.window->setLeft(600);
        h.window->setTop(900);
        h.window->frameGrows(30, 120);
        EXPECT_EQ(h.window->left(), 600);
        EXPECT_EQ(h.window->top(), 900);
        h.window->frameGrows(-30, -120);
        EXPECT_EQ(h.window->left(), 600);
        EXPECT_EQ(h.window->top(), 900);
    }
}
