// Start-up: the query window is the start-up window, loaded and shown in its input state; the
// panel does not exist until the first tick.
#include "app/startup.h"
#include "tests/forms/memoryruntime.h"
#include "ui/query/form1.h"

#include <gtest/gtest.h>

TEST(Startup, showsTheLoadedQueryWindowAndNothingElse)
{
    memoryforms::MemoryRuntime runtime;
    const auto form = startProgram(runtime);
    ASSERT_EQ(runtime.windows.size(), 1U);
    const memoryforms::MemoryWindow &query = *runtime.windows.front();
    EXPECT_EQ(query.design.name, "Form1");
    EXPECT_TRUE(query.visible());
    EXPECT_FALSE(form->results().cj[1117].empty());
}
