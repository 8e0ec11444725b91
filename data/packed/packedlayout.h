#pragma once

#include "data/sealedtable.h"
#include "data/sealing/sealing.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// Where a program built once carries a results list added to it later (merrowdale-pack), and in
// what form. The program reserves an area of fixed size in its initialised data: a mark that occurs
// nowhere else in it, one fuse byte, then room for exactly one payload. The packer finds the mark
// in a copy of the program's file and overwrites the fuse and the payload in place, so it needs
// no executable-format writer and packs either edition on either host; the program reads the
// same bytes from its own image, never from its file.
//
// The payload, all integers little-endian: the format version (4 bytes), the work factor (4), the
// salt (32), the 1117 sealed records sorted by tag, each its tag and its sealed box, and last the
// SHA-256 of everything before it.
namespace packedlayout {

// Random letters after the name, so that no other bytes of a program are taken for the area.
inline constexpr std::string_view mark = "merrowdale-results added records 5c1e94d7b8a3f620";

// The fuse says whether the area was ever packed, so that a packed program whose payload is
// damaged or missing is still known to be packed.
inline constexpr char unpacked = '0';
inline constexpr char packed = '1';

inline constexpr std::uint32_t formatVersion = 1;

inline constexpr std::size_t recordCount = SealedTable::lastRecord;
inline constexpr std::size_t saltBytes = 32;
inline constexpr std::size_t headerBytes = 4 + 4 + saltBytes;
inline constexpr std::size_t recordBytes = sizeof(crypto::Digest) + sealing::boxBytes;
inline constexpr std::size_t hashBytes = sizeof(crypto::Digest);
inline constexpr std::size_t payloadBytes = headerBytes + recordCount * recordBytes + hashBytes;

// The fuse byte follows the mark, and the payload the fuse.
inline constexpr std::size_t fuseOffset = mark.size();
inline constexpr std::size_t payloadOffset = fuseOffset + 1;
inline constexpr std::size_t areaBytes = payloadOffset + payloadBytes;

} // namespace packedlayout
