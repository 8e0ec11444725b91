#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Known answers for the platform's cryptography (published ones) and for the sealed-records
// format, shared by the tests of both back ends (OpenSSL here, CNG under Wine in tests/win32).
// Byte strings are written in hex.
namespace cryptovectors {

inline std::vector<std::uint8_t> bytes(std::string_view hex)
{
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        out.push_back(
            static_cast<std::uint8_t>(std::stoi(std::string(hex.substr(i, 2)), nullptr, 16)));
    }
    return out;
}

inline std::vector<std::uint8_t> text(std::string_view ascii)
{
    return {ascii.begin(), ascii.end()};
}

inline std::string hex(const std::uint8_t *data, std::size_t size)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < size; ++i) {
        out += digits[data[i] >> 4];
        out += digits[data[i] & 0xF];
    }
    return out;
}

// FIPS 180-2 appendix B: SHA-256 of "abc" and of the two-block message, and of nothing.
struct Sha256
{
    const char *name;
    std::string_view message;
    std::string_view digest;
};
inline constexpr Sha256 sha256[] = {
    {"empty", "", "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
    {"abc", "abc", "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
    {"two_blocks", "abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq",
        "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
};

// RFC 7914 section 11: PBKDF2-HMAC-SHA256. The first 32 bytes of each 64-byte answer are the
// one block the program asks for.
struct Pbkdf2
{
    const char *name;
    std::string_view password;
    std::string_view salt;
    std::uint32_t iterations;
    std::string_view firstBlock;
};
inline constexpr Pbkdf2 pbkdf2[] = {
    {"passwd_salt_1", "passwd", "salt", 1,
        "55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"},
    {"Password_NaCl_80000", "Password", "NaCl", 80000,
        "4ddcd8f60b98be21830cee5ef22701f9641a4418d04c0414aeff08876b34ab56"},
};

// RFC 4231: HMAC-SHA256, test cases 1, 2, 6 and 7 (the last two with a key longer than a block).
struct Hmac
{
    const char *name;
    std::string_view keyHex;
    std::string_view messageHex;
    std::string_view mac;
};
inline constexpr Hmac hmac[] = {
    {"case1", "0b0b0b0b0b0b0b0b0b0b0b0b0b0b0b0b0b0b0b0b", "4869205468657265",
        "b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7"},
    {"case2", "4a656665", "7768617420646f2079612077616e7420666f72206e6f7468696e673f",
        "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843"},
    {"case6",
        "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
        "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
        "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa",
        "54657374205573696e67204c6172676572205468616e20426c6f636b2d53697a65204b6579202d2048617368"
        "204b6579204669727374",
        "60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54"},
    {"case7",
        "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
        "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa"
        "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa",
        "5468697320697320612074657374207573696e672061206c6172676572207468616e20626c6f636b2d73697a"
        "65206b657920616e642061206c6172676572207468616e20626c6f636b2d73697a6520646174612e20546865"
        "206b6579206e6565647320746f20626520686173686564206265666f7265206265696e672075736564206279"
        "2074686520484d414320616c676f726974686d2e",
        "9b09ffa71b942fcb27635fbcd5b0e944bfdc63644f0713938a7f51535c3a35e2"},
};

// The 256-bit cases without associated data of McGrew and Viega, "The Galois/Counter Mode of
// Operation (GCM)", test cases 13 to 15: the ciphertext followed by the tag.
struct Gcm
{
    const char *name;
    std::string_view key;
    std::string_view nonce;
    std::string_view plaintext;
    std::string_view sealed;
};
inline constexpr Gcm gcm[] = {
    {"case13", "0000000000000000000000000000000000000000000000000000000000000000",
        "000000000000000000000000", "", "530f8afbc74536b9a963b4f1c4cb738b"},
    {"case14", "0000000000000000000000000000000000000000000000000000000000000000",
        "000000000000000000000000", "00000000000000000000000000000000",
        "cea7403d4d606b6e074ec5d3baf39d18d0d1c8a799996bf0265b98b5d48ab919"},
    {"case15", "feffe9928665731c6d6a8f9467308308feffe9928665731c6d6a8f9467308308",
        "cafebabefacedbaddecaf888",
        "d9313225f88406e5a55909c5aff5269a86a7a9531534f7da2e4c303d8a318a721c3c0c95956809532fcf0e2449"
        "a6b525b16aedf5aa0de657ba637b391aafd255",
        "522dc1f099567d07f47f37a32a84427d643a8cdcbfe5c0c97598a2bd2555d1aa8cb08e48590dbb3da7b08b1056"
        "828838c5f61e6393ba7a0abcc9f662898015adb094dac5d93471bdec1a502270e3cc6c"},
};

// The sealed-records format (data/sealing/sealing.h), computed once by independent code: Python's
// hashlib (pbkdf2_hmac, hmac) and the cryptography package's AESGCM, from the first record of
// the repository's list, the tests' fixed salt and their 64 iterations. The pair is each number's
// 4-byte big-endian length and UTF-8; the record key is PBKDF2-HMAC-SHA256 of it; the tag is
// HMAC-SHA256(key, 01), the AES key HMAC-SHA256(key, 02); the text is the two lengths, the name
// and score in UTF-16LE and zeros to 20 bytes, sealed with AES-256-GCM under a zero nonce.
struct SealedRecord
{
    std::string_view sfzh;
    std::string_view zkzh;
    std::u16string_view xm;
    std::u16string_view cj;
    std::string_view salt;
    std::uint32_t iterations;
    std::string_view pair;
    std::string_view tag;
    std::string_view aesKey;
    std::string_view text;
    std::string_view box;
};
inline constexpr SealedRecord sealedRecord {"430105199012192838", "21410010522", u"卢文兵", u"87.2",
    "a6b1f0c3d2e5f4071829304b5c6d7e8f90a1b2c3d4e5f60718293a4b5c6d7e8f", 64,
    "000000123433303130353139393031323139323833380000000b3231343130303130353232",
    "d714c62ae760bfb14170c87fc5331d2dd4002e4277cfa55668556a3aedc35633",
    "3804627d5b452e37459748efd667933aeca0df289382d5e9714a5372c77a37ad",
    "0304625387657551380037002e00320000000000",
    "4ad4821e1654d609b28a37a4164f2125545ed53ce25c04d6b1eae6108eb21090abd20275"};

// hexOf and fixed<N>: the tests' hex, both ways.
template<typename Bytes> std::string hexOf(const Bytes &bytes)
{
    return hex(reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size());
}

template<std::size_t N> std::array<std::uint8_t, N> fixed(std::string_view hexText)
{
    const std::vector<std::uint8_t> all = bytes(hexText);
    std::array<std::uint8_t, N> out {};
    std::copy(all.begin(), all.end(), out.begin());
    return out;
}

} // namespace cryptovectors
