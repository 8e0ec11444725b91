#pragma once

#include <string>

// One candidate's line of the results list, as text ready to be compiled in.
struct ResultRecord
{
    std::u32string sfzh;
    std::u32string zkzh;
    std::u32string xm;
    std::u32string cj;
};
