#pragma once

#include "data/sealing/sealing.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

// A whole results list sealed (sealing.h says how one record is): what the packer puts into a
// built program. It takes records that the
// list's reader accepted, whose names and scores fit the sealed text; it knows nothing of files
// or of how the sealed records are stored.
namespace sealing {

// One record in the clear: the pair as UTF-8, the name and score as the program shows them.
struct PlainRecord
{
    std::string sfzh;
    std::string zkzh;
    std::u16string xm;
    std::u16string cj;
};

using Salt = std::array<std::uint8_t, 32>;

struct SealedList
{
    Salt salt {};
    std::uint32_t iterations = 0;
    // Sorted by tag, so that a record's place says nothing of its place in the list: an office's
    // list is grouped by post and sorted by score, and its order would give away ranks.
    std::vector<SealedRecord> records;
};

// A salt drawn from the system's random number generator, new for every sealing.
Salt randomSalt();

// Seals every record, on every core; `progress`, when given, is called on the calling thread
// with the number of records sealed so far, a few times a second and once at the end. A record
// whose name and score do not fit ends the program (fatal.h): the reader lets none through.
SealedList sealList(std::span<const PlainRecord> records, std::uint32_t iterations,
    const Salt &salt, const std::function<void(std::size_t)> &progress = {});

} // namespace sealing
