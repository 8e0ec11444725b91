#include "columnheader.h"

#include "fieldrules.h"
#include "utf8.h"

#include <string_view>

namespace {

// Every name a column goes by, the pinyin initials first.
constexpr std::array<std::array<std::u32string_view, 4>, 4> columnNames {{
    {U"sfzh", U"身份证号", U"身份证号码", U"证件号码"},
    {U"zkzh", U"准考证号", U"准考证号码"},
    {U"xm", U"姓名"},
    {U"cj", U"成绩", U"笔试成绩"},
}};

int columnNamed(std::u32string_view name)
{
    for (std::size_t c = 0; c < columnNames.size(); ++c) {
        for (const std::u32string_view accepted : columnNames[c]) {
            if (!accepted.empty() && accepted == name) {
                return static_cast<int>(c);
            }
        }
    }
    return -1;
}

// Every accepted name of column c, comma-separated.
std::string acceptedNames(std::size_t c)
{
    std::string text;
    for (const std::u32string_view name : columnNames[c]) {
        if (!name.empty()) {
            text += (text.empty() ? "" : ", ") + Utf8::encode(name);
        }
    }
    return text;
}

std::string quotedList(const std::vector<std::u32string> &names)
{
    std::string text;
    for (const std::u32string &name : names) {
        text += (text.empty() ? "" : ", ") + fieldrules::quoted(name);
    }
    return text;
}

} // namespace

ColumnHeader::ColumnHeader(const std::vector<std::u32string> &headerNames)
{
    std::array<int, 4> found {};
    std::string wrong;
    for (std::size_t i = 0; i < headerNames.size(); ++i) {
        const int c = columnNamed(headerNames[i]);
        if (c < 0) {
            continue;
        }
        const auto column = static_cast<std::size_t>(c);
        if (++found[column] == 2) {
            wrong += std::string(wrong.empty() ? "" : "; ") + columns[column]
                + " is named twice, by " + names[column] + " in column "
                + std::to_string(positions[column] + 1) + " and by "
                + fieldrules::quoted(headerNames[i]) + " in column " + std::to_string(i + 1);
        }
        if (found[column] == 1) {
            positions[column] = i;
            names[column] = fieldrules::quoted(headerNames[i]);
        }
    }
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (found[c] == 0) {
            wrong += std::string(wrong.empty() ? "" : "; ") + "no column for " + columns[c]
                + " (named " + acceptedNames(c) + ')';
        }
    }
    if (!wrong.empty()) {
        problemText = "the header must name each of sfzh, zkzh, xm and cj once: " + wrong
            + "; found " + quotedList(headerNames);
    }
}
