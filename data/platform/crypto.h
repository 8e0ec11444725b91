#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The few primitives that sealed records are made of, taken from the platform and never written
// here: OpenSSL's libcrypto on Linux (and for the packer on a Linux host), CNG (bcrypt.dll) on
// Windows. CMake links exactly one implementation. Every function either succeeds or, where
// the platform itself fails (out of memory, a missing algorithm), ends the program through
// fatal::fail (data/platform/fatal.h): a sealed lookup that cannot compute must never pass for a
// miss or a hit.
namespace crypto {

using Bytes = std::span<const std::uint8_t>;
using Digest = std::array<std::uint8_t, 32>;
using AesKey = std::array<std::uint8_t, 32>;
using Nonce = std::array<std::uint8_t, 12>;
inline constexpr std::size_t gcmTagBytes = 16;

Digest sha256(Bytes data);

// Fills out from the system's cryptographic random number generator.
void randomBytes(std::span<std::uint8_t> out);

Digest hmacSha256(Bytes key, Bytes message);

// PBKDF2-HMAC-SHA256 of exactly one 32-byte block. Asking for more would make the user pay for
// blocks an attacker never needs to compute.
Digest pbkdf2Sha256(Bytes password, Bytes salt, std::uint32_t iterations);

// AES-256-GCM without associated data: the ciphertext followed by the 16-byte tag.
std::vector<std::uint8_t> aes256GcmSeal(const AesKey &key, const Nonce &nonce, Bytes plaintext);

// The plaintext, or nothing when the tag does not authenticate the ciphertext.
std::optional<std::vector<std::uint8_t>> aes256GcmOpen(
    const AesKey &key, const Nonce &nonce, Bytes sealed);

} // namespace crypto
