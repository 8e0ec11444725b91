#include "data/packed/addedlist.h"

#include "data/packed/packedlayout.h"
#include "data/packed/packedpayload.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

// The area as the compiler lays it out: plain arrays, which volatile reads can index.
struct ReservedArea
{
    char mark[packedlayout::mark.size()];
    char fuse;
    std::uint8_t payload[packedlayout::payloadBytes];
};
static_assert(sizeof(ReservedArea) == packedlayout::areaBytes);

constexpr ReservedArea unpackedArea()
{
    ReservedArea area {};
    std::copy(packedlayout::mark.begin(), packedlayout::mark.end(), area.mark);
    area.fuse = packedlayout::unpacked;
    return area;
}

// The packer overwrites these bytes in the program's file after the compiler has seen their
// values, so every read goes through volatile: no read may be folded into the values written
// here, nor the area merged with other constants or left out. constinit keeps its bytes in the
// file's initialised data, where the packer finds them, rather than made at run time.
constinit const volatile ReservedArea reservedArea = unpackedArea();

} // namespace

AddedList::AddedList()
{
    const char fuse = reservedArea.fuse;
    if (fuse == packedlayout::unpacked) {
        return;
    }
    std::vector<std::uint8_t> payload(packedlayout::payloadBytes);
    for (std::size_t i = 0; i < payload.size(); ++i) {
        payload[i] = reservedArea.payload[i];
    }
    std::optional<sealing::SealedList> read = packedpayload::read(payload);
    if (fuse != packedlayout::packed || !read) {
        current = State::damaged;
        return;
    }
    list = std::move(*read);
    sealed = packedpayload::tableOf(list);
    current = State::packed;
}
