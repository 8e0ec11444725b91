#pragma once

#include "forms/design.h"

#include <algorithm>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

// What every forms runtime reads off a window's design in the same way: the controls in tab
// order, and a control by its design name.
namespace forms {

// The rows in rising tab index; rows of the same index keep the design's order.
inline std::vector<const ControlDesign *> inTabOrder(std::span<const ControlDesign> rows)
{
    std::vector<const ControlDesign *> order;
    order.reserve(rows.size());
    for (const ControlDesign &row : rows) {
        order.push_back(&row);
    }
    std::ranges::stable_sort(order, {}, &ControlDesign::tabIndex);
    return order;
}

// The element of controls whose design name, as nameOf reads it, is name. A name the design
// lacks throws std::out_of_range, in every runtime alike.
template<typename Controls, typename NameOf>
auto &named(Controls &controls, std::string_view name, NameOf nameOf)
{
    const auto found = std::ranges::find(controls, name, nameOf);
    if (found == std::ranges::end(controls)) {
        throw std::out_of_range("no control named " + std::string(name));
    }
    return *found;
}

} // namespace forms
