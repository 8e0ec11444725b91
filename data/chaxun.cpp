#include "data/chaxun.h"

#include <cstdint>

std::optional<int> chaxun(
    const ResultTable &table, const QString &sfzhText, const QString &zkzhText)
{
    // The scan position is a 16-bit signed integer, as the table is small enough for one.
    for (std::int16_t i = ResultTable::firstRecord; i <= ResultTable::lastRecord; ++i) {
        // Both columns are compared for every record, the ticket number first.
        const bool ticketMatches = table.zkzh[i] == zkzhText;
        const bool idMatches = table.sfzh[i] == sfzhText;
        if (ticketMatches && idMatches) {
            return i;
        }
    }
    return std::nullopt;
}
