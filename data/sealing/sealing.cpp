#include "data/sealing/sealing.h"

#include <algorithm>

namespace sealing {

namespace {

constexpr std::array<std::uint8_t, 1> tagLabel {1};
constexpr std::array<std::uint8_t, 1> keyLabel {2};

crypto::Bytes bytesOf(std::string_view text)
{
    return {reinterpret_cast<const std::uint8_t *>(text.data()), text.size()};
}

void appendLengthPrefixed(std::string &out, std::string_view text)
{
    const auto length = static_cast<std::uint32_t>(text.size());
    for (const int shift : {24, 16, 8, 0}) {
        out += static_cast<char>((length >> shift) & 0xFF);
    }
    out += text;
}

} // namespace

std::string pairBytes(std::string_view sfzhUtf8, std::string_view zkzhUtf8)
{
    std::string pair;
    appendLengthPrefixed(pair, sfzhUtf8);
    appendLengthPrefixed(pair, zkzhUtf8);
    return pair;
}

RecordKeys recordKeys(std::string_view pair, crypto::Bytes salt, std::uint32_t iterations)
{
    const crypto::Digest key = crypto::pbkdf2Sha256(bytesOf(pair), salt, iterations);
    return {crypto::hmacSha256(key, tagLabel), crypto::hmacSha256(key, keyLabel)};
}

std::optional<std::array<std::uint8_t, textBytes>> recordText(
    std::u16string_view xm, std::u16string_view cj)
{
    if (2 + 2 * (xm.size() + cj.size()) > textBytes) {
        return std::nullopt;
    }
    std::array<std::uint8_t, textBytes> text {};
    text[0] = static_cast<std::uint8_t>(xm.size());
    text[1] = static_cast<std::uint8_t>(cj.size());
    std::size_t at = 2;
    for (const std::u16string_view part : {xm, cj}) {
        for (const char16_t unit : part) {
            text[at++] = static_cast<std::uint8_t>(unit & 0xFF);
            text[at++] = static_cast<std::uint8_t>(unit >> 8);
        }
    }
    return text;
}

std::optional<NameAndScore> readRecordText(crypto::Bytes text)
{
    if (text.size() != textBytes || 2 + 2 * (std::size_t {text[0]} + text[1]) > textBytes) {
        return std::nullopt;
    }
    std::size_t at = 2;
    const auto take = [&](std::size_t units) {
        std::u16string part;
        for (std::size_t i = 0; i < units; ++i, at += 2) {
            part += static_cast<char16_t>(text[at] | (text[at + 1] << 8));
        }
        return part;
    };
    NameAndScore found;
    found.xm = take(text[0]);
    found.cj = take(text[1]);
    return found;
}

std::optional<SealedRecord> sealRecord(std::string_view pair, std::u16string_view xm,
    std::u16string_view cj, crypto::Bytes salt, std::uint32_t iterations)
{
    const auto text = recordText(xm, cj);
    if (!text) {
        return std::nullopt;
    }
    const RecordKeys keys = recordKeys(pair, salt, iterations);
    SealedRecord sealed {keys.tag, {}};
    const std::vector<std::uint8_t> box = crypto::aes256GcmSeal(keys.aesKey, nonce, *text);
    std::copy(box.begin(), box.end(), sealed.box.begin());
    return sealed;
}

std::optional<NameAndScore> openRecord(const SealedRecord &record, const RecordKeys &keys)
{
    const std::optional<std::vector<std::uint8_t>> text
        = crypto::aes256GcmOpen(keys.aesKey, nonce, record.box);
    if (!text) {
        return std::nullopt;
    }
    return readRecordText(*text);
}

} // namespace sealing
