// What forms/runtime.h promises of every runtime, kept by the in-memory runtime the handlers are
// tested on: a handler replaces the one set before, and a window without a timer refuses a timer
// handler.
#include "tests/forms/memoryruntime.h"
#include "ui/instructions/form2design.h"
#include "ui/query/form1design.h"

#include <gtest/gtest.h>
#include <stdexcept>

using memoryforms::MemoryRuntime;
using memoryforms::MemoryWindow;

TEST(MemoryRuntime, aHandlerReplacesTheOneBefore)
{
    MemoryRuntime runtime;
    const auto query = runtime.createWindow(form1design::window, nullptr);
    auto &window = static_cast<MemoryWindow &>(*query);
    window.setVisible(true);
    int firstClicks = 0;
    int secondClicks = 0;
    window.control("Command3").onClick([&firstClicks] { ++firstClicks; });
    window.control("Command3").onClick([&secondClicks] { ++secondClicks; });
    EXPECT_TRUE(window.click("Command3"));
    EXPECT_EQ(firstClicks, 0);
    EXPECT_EQ(secondClicks, 1);

    int firstTicks = 0;
    int secondTicks = 0;
    window.onTimer([&firstTicks] { ++firstTicks; });
    window.onTimer([&secondTicks] { ++secondTicks; });
    window.tick();
    EXPECT_EQ(firstTicks, 0);
    EXPECT_EQ(secondTicks, 1);
}

TEST(MemoryRuntime, aWindowWithoutATimerRefusesATimerHandler)
{
    MemoryRuntime runtime;
    const auto query = runtime.createWindow(form1design::window, nullptr);
    const auto panel = runtime.createWindow(form2design::window, query.get());
    EXPECT_THROW(panel->onTimer([] {}), std::logic_error);
}
