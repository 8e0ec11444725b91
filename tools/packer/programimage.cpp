#include "programimage.h"

#include "data/packed/packedlayout.h"

#include <algorithm>
#include <functional>

namespace programimage {

std::optional<std::size_t> areaOffset(std::span<const std::uint8_t> program)
{
    const std::boyer_moore_searcher markSearcher(
        packedlayout::mark.begin(), packedlayout::mark.end());
    const auto bytes
        = [&](std::size_t at) { return reinterpret_cast<const char *>(program.data()) + at; };
    const auto end = bytes(program.size());
    std::optional<std::size_t> found;
    for (auto at = std::search(bytes(0), end, markSearcher); at != end;
         at = std::search(at + 1, end, markSearcher)) {
        if (found) {
            return std::nullopt;
        }
        found = static_cast<std::size_t>(at - bytes(0));
    }
    if (!found || program.size() - *found < packedlayout::areaBytes) {
        return std::nullopt;
    }
    const char fuse = *bytes(*found + packedlayout::fuseOffset);
    if (fuse != packedlayout::unpacked && fuse != packedlayout::packed) {
        return std::nullopt;
    }
    return found;
}

std::vector<std::uint8_t> packed(
    std::span<const std::uint8_t> program, std::size_t area, std::span<const std::uint8_t> payload)
{
    std::vector<std::uint8_t> copy(program.begin(), program.end());
    copy[area + packedlayout::fuseOffset] = static_cast<std::uint8_t>(packedlayout::packed);
    std::copy(payload.begin(), payload.end(),
        copy.begin() + static_cast<std::ptrdiff_t>(area + packedlayout::payloadOffset));
    return copy;
}

} // namespace programimage
