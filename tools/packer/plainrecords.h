#pragma once

#include "data/sealing/sealedlist.h"
#include "tools/resultslist/resultslistparser.h"
#include "tools/resultslist/utf8.h"

#include <string>
#include <vector>

// The records that parseResultsList accepted, as sealing takes them: the pair as UTF-8, the name
// and score as UTF-16. Names and scores are made of characters of the Basic Multilingual Plane
// (the list's rules), so each character is one unit.
inline std::vector<sealing::PlainRecord> plainRecords(const std::vector<ResultRecord> &records)
{
    const auto basicPlane = [](const std::u32string &text) {
        std::u16string units;
        for (const char32_t c : text) {
            units += static_cast<char16_t>(c);
        }
        return units;
    };
    std::vector<sealing::PlainRecord> plain;
    plain.reserve(records.size());
    for (const ResultRecord &record : records) {
        plain.push_back({utf8text::encode(record.sfzh), utf8text::encode(record.zkzh),
            basicPlane(record.xm), basicPlane(record.cj)});
    }
    return plain;
}
