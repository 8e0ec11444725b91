#include "data/chaxun.h"
#include "data/recordlookup.h"

std::optional<FoundRecord> findRecord(
    const ResultTable &table, std::u16string_view sfzhText, std::u16string_view zkzhText)
{
    const std::optional<int> found = chaxun(table, sfzhText, zkzhText);
    if (!found) {
        return std::nullopt;
    }
    const auto i = static_cast<std::size_t>(*found);
    return FoundRecord {std::u16string(table.xm[i]), std::u16string(table.cj[i])};
}
