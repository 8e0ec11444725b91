// The instructions panel's handlers, on the in-memory forms runtime: loaded hidden by the first
// tick or click, sized from the query window, docked against its outer right edge by every
// tick, shown and hidden by "软件使用说明".
#include "tests/forms/memoryruntime.h"
#include "ui/instructions/form2.h"
#include "ui/instructions/form2design.h"
#include "ui/query/form1.h"

#include <gtest/gtest.h>

using memoryforms::MemoryRuntime;
using memoryforms::MemoryWindow;

namespace {

struct Harness
{
    MemoryRuntime runtime;
    Form1 form {runtime};
    MemoryWindow &query = *runtime.window("Form1");

    Harness()
    {
        form.Form_Load();
        query.setVisible(true);
    }

    MemoryWindow *panel() const { return runtime.window("Form2"); }
    bool docked() const
    {
        return panel()->left() == query.left() + query.width() && panel()->top() == query.top();
    }
};

} // namespace

TEST(Form2, theFirstTickLoadsThePanelHiddenAsHighAndHalfAsWideAsTheQueryWindow)
{
    Harness h;
    EXPECT_EQ(h.panel(), nullptr);
    h.query.tick();
    MemoryWindow *panel = h.panel();
    ASSERT_NE(panel, nullptr);
    EXPECT_FALSE(panel->visible());
    EXPECT_EQ(panel->height(), h.query.height());
    EXPECT_EQ(panel->width(), h.query.width() / 2);
    EXPECT_TRUE(h.docked());
    // It belongs to no window, but goes with the query window.
    EXPECT_EQ(panel->companion, &h.query);
    EXPECT_EQ(panel->find("Label1").text(), form2design::instructions);

    for (int i = 0; i < 50; ++i) {
        h.query.tick();
    }
    EXPECT_FALSE(panel->visible());
    EXPECT_EQ(h.runtime.windows.size(), 2U);
}

TEST(Form2, anOddWidthIsHalvedWithoutRounding)
{
    Harness h;
    h.query.setWidth(9181);
    h.query.tick();
    EXPECT_EQ(h.panel()->width(), 4590.5F);
}

TEST(Form2, theButtonShowsAndHidesThePanelWhereverTheQueryWindowIs)
{
    Harness h;
    h.query.tick();
    ASSERT_TRUE(h.query.click("Command4"));
    EXPECT_TRUE(h.panel()->visible());
    EXPECT_TRUE(h.docked());

    ASSERT_TRUE(h.query.click("Command4"));
    EXPECT_FALSE(h.panel()->visible());

    // Moved while hidden, shown again at the new edge by the next tick.
    h.query.setLeft(300);
    h.query.setTop(450);
    h.query.tick();
    ASSERT_TRUE(h.query.click("Command4"));
    EXPECT_TRUE(h.panel()->visible());
    EXPECT_TRUE(h.docked());
    EXPECT_EQ(h.runtime.windows.size(), 2U);
}

TEST(Form2, aClickBeforeTheFirstTickLoadsThePanelAndShowsIt)
{
    Harness h;
    ASSERT_TRUE(h.query.click("Command4"));
    ASSERT_NE(h.panel(), nullptr);
    EXPECT_TRUE(h.panel()->visible());
    EXPECT_TRUE(h.docked());
}

TEST(Form2, ticksMoveThePanelButNeverResizeIt)
{
    Harness h;
    h.query.tick();
    MemoryWindow *panel = h.panel();
    const int resizes = panel->resizes;
    const float width = panel->width();
    const float height = panel->height();
    // Moved by the user, near and past the screen's edges: the panel follows and is never kept
    // on the screen.
    const std::pair<float, float> places[] = {{600, 900}, {27000, 3000}, {40000, -2000}};
    for (const auto &[left, top] : places) {
        h.query.setLeft(left);
        h.query.setTop(top);
        h.query.tick();
        EXPECT_TRUE(h.docked());
    }
    EXPECT_GT(panel->left(), h.runtime.primaryScreen.width);
    EXPECT_EQ(panel->resizes, resizes);
    EXPECT_EQ(panel->width(), width);
    EXPECT_EQ(panel->height(), height);
}

TEST(Form2, neitherTheTickNorTheButtonChangesTheQueryWindowsState)
{
    Harness h;
    const ResultTable &table = h.form.results();
    h.query.find("Text1(0)").setText(table.sfzh[3]);
    h.query.find("Text1(1)").setText(table.zkzh[3]);
    ASSERT_TRUE(h.query.click("Command3"));
    for (int i = 0; i < 3; ++i) {
        h.query.tick();
        ASSERT_TRUE(h.query.click("Command4"));
    }
    EXPECT_FALSE(h.query.find("Command3").visible());
    EXPECT_TRUE(h.query.find("Command1").visible());
    EXPECT_EQ(h.query.find("Text1(2)").text(), table.xm[3]);
    EXPECT_EQ(h.query.find("Text1(0)").text(), table.sfzh[3]);
}
