#pragma once

#include "data/sealing/sealing.h"

#include <array>
#include <cstdint>
#include <span>

// The written-test results of a sealed build: per record only a tag, which the right pair of
// ID-card number and ticket number reproduces, and the name and score sealed with a key that
// only that pair gives. Nothing in it can be read, listed or searched without the pair. Like
// the plain table it holds records 1 to 1117, slots 0 and 1118 empty, but sorted by tag, so that
// a record's slot says nothing of its place in the list. It is filled once by the query window
// while it loads: the first stage also sets the list's salt and work factor. It only points at
// records, which may be held anywhere. The lookup is findRecord (data/recordlookup.h).
struct SealedTable
{
    static constexpr int firstRecord = 1;
    static constexpr int lastRecord = 1117;
    static constexpr int slotCount = lastRecord + 2;

    std::span<const std::uint8_t> salt;
    std::uint32_t iterations = 0;
    std::array<const sealing::SealedRecord *, slotCount> records {};
};
