// The CNG back end under Wine: the published known answers of SHA-256, PBKDF2-HMAC-SHA256,
// HMAC-SHA256 and AES-256-GCM and those of the sealed-records format, which OpenSSL meets on the
// build host, and the tests' table sealed here, of which every record must open by its own pair
// and a damaged one must not.
//   tst_sealed vectors | table
#include "data/platform/crypto.h"
#include "data/platform/fatal.h"
#include "data/platform/text.h"
#include "data/recordlookup.h"
#include "tests/data/bothtables.h"
#include "tests/data/cryptovectors.h"
#include "tests/win32/check.h"

#include <cwchar>
#include <stdexcept>

namespace {

using cryptovectors::fixed;
using cryptovectors::hexOf;

bool sameHex(const std::string &actual, std::string_view expected, const char *what)
{
    if (actual != expected) {
        std::printf("%s: got %s, expected %.*s\n", what, actual.c_str(),
            static_cast<int>(expected.size()), expected.data());
    }
    return actual == expected;
}

void checkVectors()
{
    for (const cryptovectors::Sha256 &v : cryptovectors::sha256) {
        CHECK(sameHex(hexOf(crypto::sha256(cryptovectors::text(v.message))), v.digest, v.name));
    }
    for (const cryptovectors::Pbkdf2 &v : cryptovectors::pbkdf2) {
        CHECK(sameHex(hexOf(crypto::pbkdf2Sha256(cryptovectors::text(v.password),
                          cryptovectors::text(v.salt), v.iterations)),
            v.firstBlock, v.name));
    }
    for (const cryptovectors::Hmac &v : cryptovectors::hmac) {
        CHECK(sameHex(hexOf(crypto::hmacSha256(
                          cryptovectors::bytes(v.keyHex), cryptovectors::bytes(v.messageHex))),
            v.mac, v.name));
    }
    for (const cryptovectors::Gcm &v : cryptovectors::gcm) {
        const auto key = fixed<32>(v.key);
        const auto nonce = fixed<12>(v.nonce);
        const std::vector<std::uint8_t> plaintext = cryptovectors::bytes(v.plaintext);
        CHECK(sameHex(hexOf(crypto::aes256GcmSeal(key, nonce, plaintext)), v.sealed, v.name));
        std::vector<std::uint8_t> sealed = cryptovectors::bytes(v.sealed);
        CHECK(crypto::aes256GcmOpen(key, nonce, sealed) == plaintext);
        // Wine 8 checks no tag of an empty message; the program never seals one.
        if (plaintext.empty()) {
            continue;
        }
        sealed.back() ^= 1;
        CHECK(!crypto::aes256GcmOpen(key, nonce, sealed).has_value());
        sealed.back() ^= 1;
        sealed.front() ^= 1;
        CHECK(!crypto::aes256GcmOpen(key, nonce, sealed).has_value());
    }
    const cryptovectors::SealedRecord &known = cryptovectors::sealedRecord;
    const std::vector<std::uint8_t> pairBytes = cryptovectors::bytes(known.pair);
    const std::string pair(pairBytes.begin(), pairBytes.end());
    CHECK(sameHex(hexOf(sealing::pairBytes(known.sfzh, known.zkzh)), known.pair, "pair"));
    const std::optional<sealing::SealedRecord> record
        = sealing::sealRecord(pair, known.xm, known.cj, fixed<32>(known.salt), known.iterations);
    CHECK(record.has_value());
    if (record) {
        CHECK(sameHex(hexOf(record->tag), known.tag, "tag"));
        CHECK(sameHex(hexOf(record->box), known.box, "sealed record"));
    }
    // A failing CNG call ends in the entry's handler, never in a result.
    fatal::setHandler(
        [](std::string_view message) { throw std::runtime_error(std::string(message)); });
    bool failed = false;
    try {
        crypto::pbkdf2Sha256(pairBytes, pairBytes, 0);
    } catch (const std::runtime_error &) {
        failed = true;
    }
    fatal::setHandler(nullptr);
    CHECK(failed);
    CHECK(platformtext::utf8FromUtf16(u"卢文兵") == "\xe5\x8d\xa2\xe6\x96\x87\xe5\x85\xb5");
    CHECK(!platformtext::utf8FromUtf16(std::u16string {u'1', char16_t {0xD800}}).has_value());
    // GB18030 through code page 54936, or 936 where the system lacks it: the same hanzi, and a
    // four-byte sequence either read right or refused, never read as other text.
    CHECK(platformtext::decode("\xC4\xE3\xBA\xC3", platformtext::Encoding::gb18030) == U"你好");
    const auto fourBytes
        = platformtext::decode("\x81\x30\x81\x30", platformtext::Encoding::gb18030);
    CHECK(!fourBytes || *fourBytes == U"\u0080");
}

void checkTable()
{
    const ResultTable &plain = bothTables().plain;
    SealedTable sealed = bothTables().sealed;

    int opened = 0;
    for (int i = ResultTable::firstRecord; i <= ResultTable::lastRecord; ++i) {
        const std::optional<FoundRecord> found
            = findRecord(sealed, at(plain.sfzh, i), at(plain.zkzh, i));
        if (found && found->xm == at(plain.xm, i) && found->cj == at(plain.cj, i)) {
            ++opened;
        } else {
            std::printf("record %d does not open by its own pair\n", i);
        }
    }
    CHECK_EQ(opened, ResultTable::lastRecord);
    CHECK(!findRecord(sealed, at(plain.sfzh, 1), at(plain.zkzh, 2)).has_value());
    CHECK(!findRecord(sealed, at(plain.zkzh, 1), at(plain.sfzh, 1)).has_value());
    CHECK(!findRecord(sealed, std::u16string {char16_t {0xDC00}}, at(plain.zkzh, 1)).has_value());

    const std::size_t slot = sealedSlotOf(bothTables(), 1);
    CHECK(slot != 0);
    sealing::SealedRecord damaged = *sealed.records[slot];
    damaged.box[3] ^= 0x10;
    sealed.records[slot] = &damaged;
    CHECK(!findRecord(sealed, at(plain.sfzh, 1), at(plain.zkzh, 1)).has_value());
}

} // namespace

int wmain(int argc, wchar_t *argv[])
{
    if (argc == 2 && std::wcscmp(argv[1], L"vectors") == 0) {
        checkVectors();
    } else if (argc == 2 && std::wcscmp(argv[1], L"table") == 0) {
        checkTable();
    } else {
        std::printf("usage: tst_sealed vectors | table\n");
        return 2;
    }
    return check::summary();
}
