#pragma once

#include <string>

// What the query window shows of the record that a lookup found: its name and its score text,
// exactly as stored.
struct FoundRecord
{
    std::u16string xm;
    std::u16string cj;
};
