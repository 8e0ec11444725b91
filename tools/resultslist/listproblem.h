#pragma once

#include <string>

// One broken rule, at a line of the results list (1 is the first) and in a field, or in the line
// as a whole when field is empty. The rule is one line of UTF-8 text.
struct ListProblem
{
    int line = 0;
    std::string field;
    std::string rule;
};
