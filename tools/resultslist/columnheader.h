#pragma once

#include "listproblem.h"

#include <array>
#include <cstddef>
#include <string>
#include <vector>

// Which fields of a row hold the four columns the program needs (listColumns), found by the
// names in the header line: in pinyin initials, as the repository's list names them, or in
// Chinese, as an examination office's sheet does; other columns are ignored. It reads one row;
// which row is the header, and the rows below it, are the parser's.
class ColumnHeader
{
public:
    // Reads a row's fields, blanks around them removed.
    explicit ColumnHeader(const std::vector<std::u32string> &names);

    // How many of the four columns the row names; a header names all four.
    int columnsNamed() const;

    // What keeps the row from being the header: a column not named, or named twice, each
    // naming the names found and the names accepted. Empty for a header; the line is the
    // caller's to fill in.
    const std::vector<ListProblem> &problems() const { return faults; }

    // The position of column c (0 for sfzh) among the row's fields, and the name it was found
    // under; meaningful only for a header.
    std::size_t position(std::size_t c) const { return positions[c]; }
    const std::u32string &name(std::size_t c) const { return names[c]; }

private:
    std::array<std::size_t, 4> positions {};
    std::array<std::u32string, 4> names;
    std::array<int, 4> found {};
    std::vector<ListProblem> faults;
};
