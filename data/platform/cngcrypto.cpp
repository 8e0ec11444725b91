#include "data/platform/crypto.h"
#include "data/platform/fatal.h"

#include <algorithm>
#include <cstdio>
#include <windows.h>
// After windows.h, whose types it uses.
#include <bcrypt.h>

// The CNG implementation of crypto.h, on bcrypt.dll, which every Windows since Vista has. Only
// calls that Windows 7 offers are used: no pseudo-handles, no BCryptHash.
namespace crypto {

namespace {

// bcrypt.h leaves it to ntstatus.h, which would clash with windows.h.
constexpr NTSTATUS authTagMismatch = static_cast<NTSTATUS>(0xC000A002L);

[[noreturn]] void fail(const char *what, NTSTATUS status)
{
    char message[128];
    std::snprintf(message, sizeof message, "bcrypt: %s failed with 0x%08lX", what,
        static_cast<unsigned long>(status));
    fatal::fail(message);
}

void check(NTSTATUS status, const char *what)
{
    if (!BCRYPT_SUCCESS(status)) {
        fail(what, status);
    }
}

ULONG ulongSize(std::size_t size)
{
    if (size > 0xFFFFFFFFu) {
        fail("a size check", 0);
    }
    return static_cast<ULONG>(size);
}

// CNG takes input through non-const pointers but only reads it.
PUCHAR input(Bytes bytes)
{
    return const_cast<PUCHAR>(bytes.data());
}

class Algorithm
{
public:
    Algorithm(LPCWSTR name, ULONG flags)
    {
        check(BCryptOpenAlgorithmProvider(&handle, name, nullptr, flags),
            "BCryptOpenAlgorithmProvider");
    }
    ~Algorithm() { BCryptCloseAlgorithmProvider(handle, 0); }
    Algorithm(const Algorithm &) = delete;
    Algorithm &operator=(const Algorithm &) = delete;

    BCRYPT_ALG_HANDLE handle = nullptr;
};

Digest hash(Bytes key, Bytes message, bool keyed)
{
    const Algorithm sha(BCRYPT_SHA256_ALGORITHM, keyed ? BCRYPT_ALG_HANDLE_HMAC_FLAG : 0);
    BCRYPT_HASH_HANDLE hashing = nullptr;
    check(BCryptCreateHash(sha.handle, &hashing, nullptr, 0, keyed ? input(key) : nullptr,
              keyed ? ulongSize(key.size()) : 0, 0),
        "BCryptCreateHash");
    Digest digest {};
    NTSTATUS status = BCryptHashData(hashing, input(message), ulongSize(message.size()), 0);
    if (BCRYPT_SUCCESS(status)) {
        status = BCryptFinishHash(hashing, digest.data(), ulongSize(digest.size()), 0);
    }
    BCryptDestroyHash(hashing);
    check(status, "BCryptHashData");
    return digest;
}

class GcmKey
{
public:
    explicit GcmKey(const AesKey &key)
        : aes(BCRYPT_AES_ALGORITHM, 0)
    {
        check(BCryptSetProperty(aes.handle, BCRYPT_CHAINING_MODE,
                  reinterpret_cast<PUCHAR>(const_cast<wchar_t *>(BCRYPT_CHAIN_MODE_GCM)),
                  sizeof(BCRYPT_CHAIN_MODE_GCM), 0),
            "BCryptSetProperty");
        check(BCryptGenerateSymmetricKey(aes.handle, &handle, nullptr, 0,
                  const_cast<PUCHAR>(key.data()), ulongSize(key.size()), 0),
            "BCryptGenerateSymmetricKey");
    }
    ~GcmKey() { BCryptDestroyKey(handle); }
    GcmKey(const GcmKey &) = delete;
    GcmKey &operator=(const GcmKey &) = delete;

    Algorithm aes;
    BCRYPT_KEY_HANDLE handle = nullptr;
};

BCRYPT_AUTHENTICATED_CIPHER_MODE_INFO gcmInfo(const Nonce &nonce, PUCHAR tag)
{
    BCRYPT_AUTHENTICATED_CIPHER_MODE_INFO info;
    BCRYPT_INIT_AUTH_MODE_INFO(info);
    info.pbNonce = const_cast<PUCHAR>(nonce.data());
    info.cbNonce = ulongSize(nonce.size());
    info.pbTag = tag;
    info.cbTag = ulongSize(gcmTagBytes);
    return info;
}

} // namespace

Digest sha256(Bytes data)
{
    return hash({}, data, false);
}

void randomBytes(std::span<std::uint8_t> out)
{
    check(BCryptGenRandom(
              nullptr, out.data(), ulongSize(out.size()), BCRYPT_USE_SYSTEM_PREFERRED_RNG),
        "BCryptGenRandom");
}

Digest hmacSha256(Bytes key, Bytes message)
{
    return hash(key, message, true);
}

Digest pbkdf2Sha256(Bytes password, Bytes salt, std::uint32_t iterations)
{
    const Algorithm prf(BCRYPT_SHA256_ALGORITHM, BCRYPT_ALG_HANDLE_HMAC_FLAG);
    Digest key {};
    check(
        BCryptDeriveKeyPBKDF2(prf.handle, input(password), ulongSize(password.size()), input(salt),
            ulongSize(salt.size()), iterations, key.data(), ulongSize(key.size()), 0),
        "BCryptDeriveKeyPBKDF2");
    return key;
}

std::vector<std::uint8_t> aes256GcmSeal(const AesKey &key, const Nonce &nonce, Bytes plaintext)
{
    const GcmKey gcm(key);
    std::vector<std::uint8_t> sealed(plaintext.size() + gcmTagBytes);
    BCRYPT_AUTHENTICATED_CIPHER_MODE_INFO info = gcmInfo(nonce, sealed.data() + plaintext.size());
    ULONG written = 0;
    check(BCryptEncrypt(gcm.handle, input(plaintext), ulongSize(plaintext.size()), &info, nullptr,
              0, sealed.data(), ulongSize(plaintext.size()), &written, 0),
        "BCryptEncrypt");
    return sealed;
}

std::optional<std::vector<std::uint8_t>> aes256GcmOpen(
    const AesKey &key, const Nonce &nonce, Bytes sealed)
{
    if (sealed.size() < gcmTagBytes) {
        return std::nullopt;
    }
    const std::size_t textSize = sealed.size() - gcmTagBytes;
    const GcmKey gcm(key);
    std::array<std::uint8_t, gcmTagBytes> tag {};
    std::copy(sealed.begin() + static_cast<std::ptrdiff_t>(textSize), sealed.end(), tag.begin());
    BCRYPT_AUTHENTICATED_CIPHER_MODE_INFO info = gcmInfo(nonce, tag.data());
    std::vector<std::uint8_t> plaintext(textSize);
    ULONG written = 0;
    const NTSTATUS status = BCryptDecrypt(gcm.handle, input(sealed.first(textSize)),
        ulongSize(textSize), &info, nullptr, 0, plaintext.data(), ulongSize(textSize), &written, 0);
    if (status == authTagMismatch) {
        return std::nullopt;
    }
    check(status, "BCryptDecrypt");
    return plaintext;
}

} // namespace crypto
