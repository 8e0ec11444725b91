#pragma once

#include "data/resulttable.h"

#include <string>
#include <vector>

// Results lists made up for the table builder's tests and the fuzz target's seeds: a valid one
// and copies of it that each break one rule. Every value is UTF-8, as the list is on disk.
namespace madeuplists {

struct Record
{
    std::string sfzh;
    std::string zkzh;
    std::string xm;
    std::string cj;
};

// Record n of a list that keeps every rule; record 1 is the ID-card number example of GB 11643,
// whose check character is "X", and a name made of the first and last allowed characters.
Record validRecord(int n);

std::string recordLine(const Record &record);

// The header and records 1 to 1117, one entry per line of the file.
std::vector<std::string> validLines();

std::string joined(const std::vector<std::string> &lines);

// The valid list with one field of record n (on line n + 1) replaced.
std::string withField(int n, std::string Record::*field, const std::string &value);

// A list that breaks one rule, the line the builder must name, the field (empty for the line as
// a whole) and a part of the rule's message.
struct BrokenList
{
    std::string name;
    std::string contents;
    int line;
    std::string field;
    std::string rule;
};

std::vector<BrokenList> brokenLists();

// One kind of damage Excel does to a number, planted in a field of record n, and the whole rule
// the builder must give for it.
struct DamagedNumber
{
    std::string name;
    int n;
    std::string Record::*field;
    std::string fieldName;
    std::string value;
    std::string rule;
};

std::vector<DamagedNumber> damagedNumbers();

} // namespace madeuplists
