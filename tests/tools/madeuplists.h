#pragma once

// What the tests of the tools share, written once: results lists made up for the table
// builder's tests and the fuzz target's seeds (a valid one and copies of it that each break one
// rule or earn one warning), the forms an office's Excel writes them in, and running a tool.
// Every value is UTF-8, as the list is on disk.

#include "data/resulttable.h"
#include "tools/resultslist/listproblem.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

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

// A list that the reader must refuse or warn about: the kind of problem, the line of its first
// one, how many of that kind there are and their column (0 for sfzh, -1 for the line as a whole).
struct ListCase
{
    std::string name;
    std::string contents;
    ProblemCode code;
    int line;
    int column = -1;
    int count = 1;
};

// Lists the reader refuses, each for one kind of problem and no other.
std::vector<ListCase> brokenLists();

// Lists the reader accepts with warnings of one kind and no problem.
std::vector<ListCase> warnedLists();

// One kind of damage Excel does to a number, planted in a field of record n.
struct DamagedNumber
{
    std::string name;
    int n;
    std::string Record::*field;
    int column;
    std::string value;
    ProblemCode code;
};

std::vector<DamagedNumber> damagedNumbers();

// A value as a quoted CSV field, its double quotes doubled.
std::string csvField(const std::string &value);

// The tab-separated lines as CSV with the given line end, every field in quotes when quoted is
// set, as Excel's "CSV UTF-8" writes it.
std::string csv(const std::string &tsv, const std::string &lineEnd, bool quoted);

// GB18030 through glibc, as Excel on a Chinese Windows saves a list; nothing when the text has
// bytes that are not UTF-8.
std::optional<std::string> toGb18030(const std::string &utf8);

std::string readFile(const std::filesystem::path &path);
bool writeFile(const std::filesystem::path &path, const std::string &contents);

// Runs a command line through the shell and gives the program's exit status, -1 if it did not
// exit.
int exitStatus(const std::string &command);

} // namespace madeuplists
