// What every runtime reads off a design alike: the tab order, and a control by its name.
#include "forms/designrows.h"

#include <gtest/gtest.h>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

forms::ControlDesign row(std::string_view name, int tabIndex)
{
    return {.kind = forms::ControlKind::Label,
        .name = name,
        .caption = u"",
        .left = 0,
        .top = 0,
        .width = 0,
        .height = 0,
        .font = std::nullopt,
        .foreColor = std::nullopt,
        .tabIndex = tabIndex};
}

std::string names(const std::vector<const forms::ControlDesign *> &order)
{
    std::string joined;
    for (const forms::ControlDesign *control : order) {
        joined += std::string(control->name) + ' ';
    }
    return joined;
}

} // namespace

TEST(DesignRows, tabOrderRisesByTabIndexAndKeepsTheDesignsOrderOnATie)
{
    const forms::ControlDesign rows[]
        = {row("C", 2), row("A", 0), row("D", 2), row("B", 1), row("E", 2), row("F", -1)};
    EXPECT_EQ(names(forms::inTabOrder(rows)), "F A B C D E ");
    EXPECT_EQ(names(forms::inTabOrder({})), "");
}

TEST(DesignRows, aControlIsFoundByItsWholeNameAndAMissingOneThrows)
{
    const forms::ControlDesign rows[] = {row("Text1(0)", 0), row("Label1", 1)};
    EXPECT_EQ(&forms::named(rows, "Label1", &forms::ControlDesign::name), &rows[1]);
    EXPECT_THROW(forms::named(rows, "Label", &forms::ControlDesign::name), std::out_of_range);
    EXPECT_THROW(forms::named(rows, "", &forms::ControlDesign::name), std::out_of_range);

    std::map<std::string, int, std::less<>> controls {{"Command1", 1}, {"Command2", 2}};
    EXPECT_EQ(forms::named(controls, "Command2", &decltype(controls)::value_type::first).second, 2);
    try {
        forms::named(controls, "Command9", &decltype(controls)::value_type::first);
        ADD_FAILURE() << "no exception";
    } catch (const std::out_of_range &missing) {
        EXPECT_STREQ(missing.what(), "no control named Command9");
    }
}
