#pragma once

#include "tests/data/bothtables.h"

#include <string>
#include <vector>

// Pairs that come close to a record of the repository's list yet are no record's pair: every
// lookup, plain or sealed, and the query window on either table must find nothing for each.
struct NearMiss
{
    const char *name;
    std::u16string sfzh;
    std::u16string zkzh;
};

inline std::u16string withFullWidthDigits(std::u16string text)
{
    for (char16_t &c : text) {
        if (c >= u'0' && c <= u'9') {
            c = static_cast<char16_t>(c - u'0' + 0xFF10);
        }
    }
    return text;
}

inline std::vector<NearMiss> nearMisses(const ResultTable &table)
{
    const int x = firstRecordWhere([&](int i) { return at(table.sfzh, i).ends_with(u'X'); });
    std::u16string lowerX = at(table.sfzh, x);
    lowerX.back() = u'x';
    const std::u16string id1 = at(table.sfzh, 1);
    const std::u16string ticket1 = at(table.zkzh, 1);
    return {
        {"both empty", {}, {}},
        {"ticket number empty", id1, {}},
        {"ID number empty", {}, ticket1},
        {"lower-case x", lowerX, at(table.zkzh, x)},
        {"leading blank", u" " + id1, ticket1},
        {"trailing blank on the ticket", id1, ticket1 + u" "},
        {"ideographic space", id1 + u"　", ticket1},
        {"full-width ID digits", withFullWidthDigits(id1), ticket1},
        {"full-width ticket digits", at(table.sfzh, 1117),
            withFullWidthDigits(at(table.zkzh, 1117))},
        {"prefix of the ID number", id1.substr(0, 17), ticket1},
        {"ID number with one more digit", id1 + u"0", ticket1},
        {"trailing NUL", id1 + u'\0', ticket1},
        {"swapped", ticket1, id1},
        {"crossed with the next record", id1, at(table.zkzh, 2)},
        {"crossed with the last record", at(table.sfzh, 1117), ticket1},
        {"run together in the ID box", id1 + ticket1, {}},
        // The same characters divided elsewhere are another pair.
        {"split elsewhere", id1.substr(0, 17), id1.substr(17) + ticket1},
        {"a lone surrogate", std::u16string(1, char16_t {0xD800}), ticket1},
        {"a lone surrogate after the ID number", id1 + char16_t {0xDC00}, ticket1},
    };
}
