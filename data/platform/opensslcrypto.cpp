#include "data/platform/crypto.h"
#include "data/platform/fatal.h"

#include <algorithm>
#include <memory>
#include <openssl/crypto.h>
#include <openssl/evp.h>
#include <openssl/hmac.h>
#include <openssl/rand.h>
#include <openssl/sha.h>
#include <string>

// The OpenSSL 3 implementation of crypto.h.
namespace crypto {

namespace {

[[noreturn]] void fail(const char *what)
{
    fatal::fail(std::string("libcrypto: ") + what + " failed");
}

void check(int status, const char *what)
{
    if (status != 1) {
        fail(what);
    }
}

// The program reads no files, so libcrypto is started without the system's openssl.cnf, which it
// would otherwise read on first use; the default provider has every algorithm used here.
void initialise()
{
    static const bool started = OPENSSL_init_crypto(OPENSSL_INIT_NO_LOAD_CONFIG, nullptr) == 1;
    if (!started) {
        fail("OPENSSL_init_crypto");
    }
}

int intSize(std::size_t size)
{
    if (size > 0x7FFFFFFF) {
        fail("a size check");
    }
    return static_cast<int>(size);
}

struct CipherContextFree
{
    void operator()(EVP_CIPHER_CTX *context) const { EVP_CIPHER_CTX_free(context); }
};
using CipherContext = std::unique_ptr<EVP_CIPHER_CTX, CipherContextFree>;

CipherContext gcmContext(const AesKey &key, const Nonce &nonce, bool encrypt)
{
    initialise();
    CipherContext context(EVP_CIPHER_CTX_new());
    if (!context) {
        fail("EVP_CIPHER_CTX_new");
    }
    check(EVP_CipherInit_ex(
              context.get(), EVP_aes_256_gcm(), nullptr, key.data(), nonce.data(), encrypt ? 1 : 0),
        "EVP_CipherInit_ex");
    return context;
}

} // namespace

// The program hashes its added records as it starts, so this uses libcrypto's SHA-256 directly:
// the EVP interface would first start the default provider and fetch the algorithm from it,
// which costs more than the hash itself. OpenSSL 3 marks these calls deprecated, not removed.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
Digest sha256(Bytes data)
{
    Digest digest {};
    SHA256_CTX context;
    check(SHA256_Init(&context), "SHA256_Init");
    check(SHA256_Update(&context, data.data(), data.size()), "SHA256_Update");
    check(SHA256_Final(digest.data(), &context), "SHA256_Final");
    return digest;
}
#pragma GCC diagnostic pop

void randomBytes(std::span<std::uint8_t> out)
{
    initialise();
    check(RAND_bytes(out.data(), intSize(out.size())), "RAND_bytes");
}

Digest hmacSha256(Bytes key, Bytes message)
{
    initialise();
    Digest digest {};
    unsigned int length = 0;
    if (HMAC(EVP_sha256(), key.data(), intSize(key.size()), message.data(), message.size(),
            digest.data(), &length)
            == nullptr
        || length != digest.size()) {
        fail("HMAC");
    }
    return digest;
}

Digest pbkdf2Sha256(Bytes password, Bytes salt, std::uint32_t iterations)
{
    initialise();
    Digest key {};
    check(PKCS5_PBKDF2_HMAC(reinterpret_cast<const char *>(password.data()),
              intSize(password.size()), salt.data(), intSize(salt.size()), intSize(iterations),
              EVP_sha256(), intSize(key.size()), key.data()),
        "PKCS5_PBKDF2_HMAC");
    return key;
}

std::vector<std::uint8_t> aes256GcmSeal(const AesKey &key, const Nonce &nonce, Bytes plaintext)
{
    const CipherContext context = gcmContext(key, nonce, true);
    std::vector<std::uint8_t> sealed(plaintext.size() + gcmTagBytes);
    int written = 0;
    check(EVP_EncryptUpdate(
              context.get(), sealed.data(), &written, plaintext.data(), intSize(plaintext.size())),
        "EVP_EncryptUpdate");
    int finished = 0;
    check(EVP_EncryptFinal_ex(context.get(), sealed.data() + written, &finished),
        "EVP_EncryptFinal_ex");
    check(EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_GET_TAG, intSize(gcmTagBytes),
              sealed.data() + plaintext.size()),
        "EVP_CTRL_GCM_GET_TAG");
    return sealed;
}

std::optional<std::vector<std::uint8_t>> aes256GcmOpen(
    const AesKey &key, const Nonce &nonce, Bytes sealed)
{
    if (sealed.size() < gcmTagBytes) {
        return std::nullopt;
    }
    const std::size_t textSize = sealed.size() - gcmTagBytes;
    const CipherContext context = gcmContext(key, nonce, false);
    std::vector<std::uint8_t> plaintext(textSize);
    int written = 0;
    check(EVP_DecryptUpdate(
              context.get(), plaintext.data(), &written, sealed.data(), intSize(textSize)),
        "EVP_DecryptUpdate");
    // OpenSSL takes the expected tag through a non-const pointer but only reads it.
    std::array<std::uint8_t, gcmTagBytes> tag {};
    std::copy(sealed.begin() + static_cast<std::ptrdiff_t>(textSize), sealed.end(), tag.begin());
    check(
        EVP_CIPHER_CTX_ctrl(context.get(), EVP_CTRL_GCM_SET_TAG, intSize(gcmTagBytes), tag.data()),
        "EVP_CTRL_GCM_SET_TAG");
    int finished = 0;
    if (EVP_DecryptFinal_ex(context.get(), plaintext.data() + written, &finished) != 1) {
        return std::nullopt;
    }
    return plaintext;
}

} // namespace crypto
