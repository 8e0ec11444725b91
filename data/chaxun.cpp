#include "data/chaxun.h"

#include <cstdint>
#include <cstring>

namespace {

// Exact equality of UTF-16 code units. The length decides most records at once, and memcmp
// settles the rest over the column's contiguous text; the standard comparison of char16_t views
// is a character loop that makes a miss, which examines every record, twice as slow.
bool sameText(std::u16string_view a, std::u16string_view b)
{
    return a.size() == b.size()
        && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(char16_t)) == 0);
}

} // namespace

std::optional<int> chaxun(
    const ResultTable &table, std::u16string_view sfzhText, std::u16string_view zkzhText)
{
    // The scan position is a 16-bit signed integer, as the table is small enough for one.
    for (std::int16_t i = ResultTable::firstRecord; i <= ResultTable::lastRecord; ++i) {
        const auto at = static_cast<std::size_t>(i);
        // Both columns are compared for every record, the ticket number first.
        const bool ticketMatches = sameText(table.zkzh[at], zkzhText);
        const bool idMatches = sameText(table.sfzh[at], sfzhText);
        if (ticketMatches && idMatches) {
            return i;
        }
    }
    return std::nullopt;
}
