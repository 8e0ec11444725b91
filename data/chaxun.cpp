#include "data/chaxun.h"

#include <algorithm>
#include <cstdint>

namespace {

// Exact equality of UTF-16 code units. QString's own operator== gives the same answer through
// a general three-way comparison out of line; this plain loop lets a miss, which examines every
// record, stay within a few microseconds.
bool sameText(const QString &a, const QString &b)
{
    return a.size() == b.size() && std::equal(a.cbegin(), a.cend(), b.cbegin());
}

} // namespace

std::optional<int> chaxun(
    const ResultTable &table, const QString &sfzhText, const QString &zkzhText)
{
    // The scan position is a 16-bit signed integer, as the table is small enough for one.
    for (std::int16_t i = ResultTable::firstRecord; i <= ResultTable::lastRecord; ++i) {
        // Both columns are compared for every record, the ticket number first.
        const bool ticketMatches = sameText(table.zkzh[i], zkzhText);
        const bool idMatches = sameText(table.sfzh[i], sfzhText);
        if (ticketMatches && idMatches) {
            return i;
        }
    }
    return std::nullopt;
}
