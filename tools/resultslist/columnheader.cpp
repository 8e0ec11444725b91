#include "columnheader.h"

#include "fieldrules.h"
#include "listcolumns.h"
#include "utf8.h"

#include <algorithm>
#include <string_view>

namespace {

int columnNamed(std::u32string_view name)
{
    for (std::size_t c = 0; c < listColumns.size(); ++c) {
        const auto &names = listColumns[c].names;
        if (!name.empty() && std::find(names.begin(), names.end(), name) != names.end()) {
            return static_cast<int>(c);
        }
    }
    return -1;
}

// Every accepted name of column c, separated as a Chinese list is.
std::string acceptedNames(std::size_t c)
{
    std::string text;
    for (const std::u32string_view name : listColumns[c].names) {
        if (!name.empty()) {
            text += (text.empty() ? "" : "、") + utf8text::encode(name);
        }
    }
    return text;
}

std::string quotedList(const std::vector<std::u32string> &names)
{
    std::string text;
    for (const std::u32string &name : names) {
        text += (text.empty() ? "" : "、") + fieldrules::quoted(name);
    }
    return text;
}

} // namespace

ColumnHeader::ColumnHeader(const std::vector<std::u32string> &headerNames)
{
    for (std::size_t i = 0; i < headerNames.size(); ++i) {
        const int c = columnNamed(headerNames[i]);
        if (c < 0) {
            continue;
        }
        const auto column = static_cast<std::size_t>(c);
        if (++found[column] == 2) {
            faults.push_back({ProblemCode::columnTwice, 0, 0, -1,
                "“" + utf8text::encode(listColumns[column].names[1]) + "”这一列出现了两次：第 "
                    + std::to_string(positions[column] + 1) + " 列"
                    + fieldrules::quoted(names[column]) + "和第 " + std::to_string(i + 1) + " 列"
                    + fieldrules::quoted(headerNames[i]) + "；请删去或改名其中一列"});
        }
        if (found[column] == 1) {
            positions[column] = i;
            names[column] = headerNames[i];
        }
    }
    for (std::size_t c = 0; c < listColumns.size(); ++c) {
        if (found[c] == 0) {
            faults.push_back({ProblemCode::columnMissing, 0, 0, -1,
                "表头中没有“" + utf8text::encode(listColumns[c].names[1]) + "”这一列（可用的列名："
                    + acceptedNames(c) + "）；这一行为：" + quotedList(headerNames)});
        }
    }
}

int ColumnHeader::columnsNamed() const
{
    return static_cast<int>(std::count_if(found.begin(), found.end(), [](int n) { return n > 0; }));
}
