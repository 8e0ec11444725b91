#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// A built program's file as bytes, and the area it reserves for an added list
// (data/packed/packedlayout.h). Knows no executable format: the area is found by its mark, which
// the program carries exactly once, followed by a fuse byte of either state.
namespace programimage {

// Where the area starts in the program's bytes, or nothing when they hold no such area, or more
// than one, or one cut off by the file's end: then they are not this program.
std::optional<std::size_t> areaOffset(std::span<const std::uint8_t> program);

// A copy of the program with the fuse blown and the payload written into the area at
// areaOffset; every other byte as it was.
std::vector<std::uint8_t> packed(
    std::span<const std::uint8_t> program, std::size_t area, std::span<const std::uint8_t> payload);

} // namespace programimage
