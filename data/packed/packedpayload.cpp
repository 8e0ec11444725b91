#include "data/packed/packedpayload.h"

#include <algorithm>
#include <cstdint>
#include <limits>

namespace packedpayload {

namespace {

void appendLittleEndian(std::vector<std::uint8_t> &out, std::uint32_t value)
{
    for (const int shift : {0, 8, 16, 24}) {
        out.push_back(static_cast<std::uint8_t>((value >> shift) & 0xFF));
    }
}

std::uint32_t littleEndianAt(std::span<const std::uint8_t> bytes, std::size_t at)
{
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8
        | static_cast<std::uint32_t>(bytes[at + 2]) << 16
        | static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

template<std::size_t N>
void appendBytes(std::vector<std::uint8_t> &out, const std::array<std::uint8_t, N> &bytes)
{
    out.insert(out.end(), bytes.begin(), bytes.end());
}

template<std::size_t N>
std::size_t copyOut(
    std::span<const std::uint8_t> bytes, std::size_t at, std::array<std::uint8_t, N> &to)
{
    std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(at), N, to.begin());
    return at + N;
}

} // namespace

std::vector<std::uint8_t> write(const sealing::SealedList &list)
{
    std::vector<std::uint8_t> out;
    out.reserve(packedlayout::payloadBytes);
    appendLittleEndian(out, packedlayout::formatVersion);
    appendLittleEndian(out, list.iterations);
    appendBytes(out, list.salt);
    for (const sealing::SealedRecord &record : list.records) {
        appendBytes(out, record.tag);
        appendBytes(out, record.box);
    }
    appendBytes(out, crypto::sha256(out));
    return out;
}

std::optional<sealing::SealedList> read(std::span<const std::uint8_t> payload)
{
    if (payload.size() != packedlayout::payloadBytes) {
        return std::nullopt;
    }
    const std::size_t hashedBytes = payload.size() - packedlayout::hashBytes;
    const crypto::Digest hash = crypto::sha256(payload.first(hashedBytes));
    if (!std::equal(
            hash.begin(), hash.end(), payload.begin() + static_cast<std::ptrdiff_t>(hashedBytes))) {
        return std::nullopt;
    }
    sealing::SealedList list;
    list.iterations = littleEndianAt(payload, 4);
    if (littleEndianAt(payload, 0) != packedlayout::formatVersion || list.iterations == 0
        || list.iterations > static_cast<std::uint32_t>(std::numeric_limits<std::int32_t>::max())) {
        return std::nullopt;
    }
    std::size_t at = copyOut(payload, 8, list.salt);
    list.records.resize(packedlayout::recordCount);
    for (sealing::SealedRecord &record : list.records) {
        at = copyOut(payload, copyOut(payload, at, record.tag), record.box);
    }
    return list;
}

SealedTable tableOf(const sealing::SealedList &list)
{
    SealedTable table;
    table.salt = list.salt;
    table.iterations = list.iterations;
    for (std::size_t i = 0; i < list.records.size() && i < packedlayout::recordCount; ++i) {
        table.records[SealedTable::firstRecord + i] = &list.records[i];
    }
    return table;
}

} // namespace packedpayload
