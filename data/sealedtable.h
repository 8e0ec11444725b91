#pragma once

#include "data/sealing/sealing.h"

#include <array>
#include <cstdint>
#include <span>

// A sealed results list: per record only a tag, which the right pair of ID-card number and
// ticket number reproduces, and the name and score sealed with a key that only that pair gives.
// Nothing in it can be read, listed or searched without the pair. Like the plain table it holds
// records 1 to 1117, slots 0 and 1118 empty, but sorted by tag, so that a record's slot says
// nothing of its place in the list. The program fills it from the list packed into it
// (data/packed/addedlist.h), with the list's salt and work factor. It only points at records,
// which may be held anywhere. The lookup is findRecord (data/recordlookup.h).
struct SealedTable
{
    static constexpr int firstRecord = 1;
    static constexpr int lastRecord = 1117;
    static constexpr int slotCount = lastRecord + 2;

    std::span<const std::uint8_t> salt;
    std::uint32_t iterations = 0;
    std::array<const sealing::SealedRecord *, slotCount> records {};
};
