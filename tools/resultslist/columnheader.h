#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// Which fields of a row hold the four columns the program needs, found by the names in the
// header line. Each column may be named in pinyin initials, as the repository's list does, or in
// Chinese, as an examination office's spreadsheet does; other columns are ignored. It only reads
// the header; the rows are the parser's.
class ColumnHeader
{
public:
    // The columns in table order: sfzh, zkzh, xm, cj.
    static constexpr std::array<const char *, 4> columns {"sfzh", "zkzh", "xm", "cj"};

    // Reads the header's fields, blanks around them removed.
    explicit ColumnHeader(const std::vector<std::u32string> &names);

    // Empty when every column is named exactly once; otherwise what is wrong, naming the names
    // found and the names accepted.
    const std::string &problem() const { return problemText; }

    // The position of column c (0 for sfzh) among the header's fields, and the name it was found
    // under, in double quotes; meaningful only without a problem.
    std::size_t position(std::size_t c) const { return positions[c]; }
    const std::string &name(std::size_t c) const { return names[c]; }

private:
    std::array<std::size_t, 4> positions {};
    std::array<std::string, 4> names;
    std::string problemText;
};
