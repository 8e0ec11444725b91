#pragma once

#include "data/platform/crypto.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// How one record is sealed and opened: the one place that knows the format, included by
// whatever seals (sealedlist.h) and whatever opens (data/sealedlookup.cpp).
//
// A pair of ID-card number and ticket number, each as UTF-8 with its length in front, is
// stretched by PBKDF2-HMAC-SHA256 (one block, the list's salt, the table's work factor) into a
// record key. HMAC of that key with label 1 is the record's tag, with label 2 the AES-256-GCM key
// that seals the record's name and score, padded to one length. Only the pair reproduces either.
namespace sealing {

// The current OWASP figure for PBKDF2-HMAC-SHA256.
inline constexpr std::uint32_t defaultIterations = 600000;

// Two lengths, then at most 4 UTF-16 units of name and 5 of score, little-endian, zero-padded:
// every record's text has this one length, so no ciphertext tells a name's length.
inline constexpr std::size_t textBytes = 2 + 2 * (4 + 5);
inline constexpr std::size_t boxBytes = textBytes + crypto::gcmTagBytes;

struct SealedRecord
{
    crypto::Digest tag;
    std::array<std::uint8_t, boxBytes> box; // ciphertext, then the GCM tag
};

// Each AES key seals exactly one record once (a key comes from one pair and the list's salt,
// which is drawn afresh for every sealing), so a fixed nonce never meets the same key twice.
inline constexpr crypto::Nonce nonce {};

// The pair as the password: 4-byte big-endian length and the UTF-8 of each string, so that
// ("12", "3") and ("1", "23") differ.
std::string pairBytes(std::string_view sfzhUtf8, std::string_view zkzhUtf8);

struct RecordKeys
{
    crypto::Digest tag;
    crypto::AesKey aesKey;
};

// The one key derivation a lookup costs, and the tag and AES key made from it.
RecordKeys recordKeys(std::string_view pair, crypto::Bytes salt, std::uint32_t iterations);

// The padded text of a name and score, or nothing when they do not fit.
std::optional<std::array<std::uint8_t, textBytes>> recordText(
    std::u16string_view xm, std::u16string_view cj);

// A record's name and score, as sealed.
struct NameAndScore
{
    std::u16string xm;
    std::u16string cj;
};

// The name and score of opened text, or nothing when its lengths do not fit it.
std::optional<NameAndScore> readRecordText(crypto::Bytes text);

// The record that a pair and its name and score make, or nothing when they do not fit.
std::optional<SealedRecord> sealRecord(std::string_view pair, std::u16string_view xm,
    std::u16string_view cj, crypto::Bytes salt, std::uint32_t iterations);

// The name and score sealed in a record, given the keys of its pair: nothing when the seal does
// not open (a damaged record) or its text does not fit.
std::optional<NameAndScore> openRecord(const SealedRecord &record, const RecordKeys &keys);

} // namespace sealing
