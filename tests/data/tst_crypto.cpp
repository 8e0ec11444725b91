// The platform's cryptography against published known answers, and the text conversion that
// turns a typed pair into the bytes its key is derived from.
#include "data/platform/crypto.h"
#include "data/platform/text.h"
#include "tests/data/cryptovectors.h"

#include <gtest/gtest.h>

using cryptovectors::fixed;
using cryptovectors::hexOf;

TEST(Crypto, sha256GivesFips180Answers)
{
    for (const cryptovectors::Sha256 &v : cryptovectors::sha256) {
        SCOPED_TRACE(v.name);
        EXPECT_EQ(hexOf(crypto::sha256(cryptovectors::text(v.message))), v.digest);
    }
}

TEST(Crypto, pbkdf2GivesTheFirstBlockOfRfc7914)
{
    for (const cryptovectors::Pbkdf2 &v : cryptovectors::pbkdf2) {
        SCOPED_TRACE(v.name);
        EXPECT_EQ(hexOf(crypto::pbkdf2Sha256(
                      cryptovectors::text(v.password), cryptovectors::text(v.salt), v.iterations)),
            v.firstBlock);
    }
}

TEST(Crypto, hmacGivesRfc4231)
{
    for (const cryptovectors::Hmac &v : cryptovectors::hmac) {
        SCOPED_TRACE(v.name);
        EXPECT_EQ(hexOf(crypto::hmacSha256(
                      cryptovectors::bytes(v.keyHex), cryptovectors::bytes(v.messageHex))),
            v.mac);
    }
}

TEST(Crypto, aesGcmSealsAndOpensThePublishedVectors)
{
    for (const cryptovectors::Gcm &v : cryptovectors::gcm) {
        SCOPED_TRACE(v.name);
        const auto key = fixed<32>(v.key);
        const auto nonce = fixed<12>(v.nonce);
        const std::vector<std::uint8_t> plaintext = cryptovectors::bytes(v.plaintext);
        EXPECT_EQ(hexOf(crypto::aes256GcmSeal(key, nonce, plaintext)), v.sealed);
        const auto opened = crypto::aes256GcmOpen(key, nonce, cryptovectors::bytes(v.sealed));
        ASSERT_TRUE(opened.has_value());
        EXPECT_EQ(*opened, plaintext);
    }
}

TEST(Crypto, aesGcmRefusesAnyFlippedBitAndAWrongKey)
{
    const cryptovectors::Gcm &v = cryptovectors::gcm[2];
    const auto key = fixed<32>(v.key);
    const auto nonce = fixed<12>(v.nonce);
    const std::vector<std::uint8_t> sealed = cryptovectors::bytes(v.sealed);
    for (std::size_t at = 0; at < sealed.size(); ++at) {
        std::vector<std::uint8_t> damaged = sealed;
        damaged[at] ^= 0x01;
        EXPECT_FALSE(crypto::aes256GcmOpen(key, nonce, damaged).has_value()) << "byte " << at;
    }
    auto otherKey = key;
    otherKey[31] ^= 0x80;
    EXPECT_FALSE(crypto::aes256GcmOpen(otherKey, nonce, sealed).has_value());
    EXPECT_FALSE(crypto::aes256GcmOpen(key, nonce, std::vector<std::uint8_t>(15)).has_value());
}

TEST(TextEncoding, utf16BecomesUtf8AndALoneSurrogateNothing)
{
    EXPECT_EQ(platformtext::utf8FromUtf16(u""), std::string());
    EXPECT_EQ(platformtext::utf8FromUtf16(u"43010519901219283X"), "43010519901219283X");
    EXPECT_EQ(platformtext::utf8FromUtf16(u"卢文兵"), "\xe5\x8d\xa2\xe6\x96\x87\xe5\x85\xb5");
    EXPECT_EQ(platformtext::utf8FromUtf16(u"\U0002000B"), "\xf0\xa0\x80\x8b");
    const std::u16string invalids[] = {{char16_t {0xD800}}, {char16_t {0xDC00}},
        {u'1', char16_t {0xDBFF}}, {char16_t {0xDC00}, char16_t {0xD800}}};
    for (const std::u16string &invalid : invalids) {
        EXPECT_FALSE(platformtext::utf8FromUtf16(invalid).has_value());
    }
}
