#pragma once

#include "data/packed/packedlayout.h"
#include "data/sealedtable.h"
#include "data/sealing/sealedlist.h"

#include <optional>
#include <span>
#include <vector>

// The payload of the area a program reserves for an added results list (packedlayout.h), both
// directions: the packer writes it, the program and the packer's own check read it.
namespace packedpayload {

// The payload of a list of exactly 1117 records sorted by tag, packedlayout::payloadBytes long.
std::vector<std::uint8_t> write(const sealing::SealedList &list);

// The list a payload holds, or nothing when it is not exactly one whole payload of this version
// whose hash matches, with a work factor every platform's PBKDF2 takes.
std::optional<sealing::SealedList> read(std::span<const std::uint8_t> payload);

// The sealed table over a list's records, which it points into: the list must outlive it.
SealedTable tableOf(const sealing::SealedList &list);

} // namespace packedpayload
