#include "utf8.h"

namespace Utf8 {

namespace {

constexpr char32_t replacementCharacter = 0xFFFD;

// The code point of the sequence starting at bytes[at] and its length in bytes, or a length of
// 0 when no valid sequence starts there.
struct Sequence
{
    char32_t codePoint = 0;
    std::size_t length = 0;
};

Sequence sequenceAt(std::string_view bytes, std::size_t at)
{
    const auto lead = static_cast<unsigned char>(bytes[at]);
    std::size_t length = 0;
    char32_t codePoint = 0;
    char32_t smallest = 0;
    if (lead < 0x80) {
        return {lead, 1};
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1Fu;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0Fu;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07u;
        smallest = 0x10000;
    } else {
        return {};
    }
    if (bytes.size() - at < length) {
        return {};
    }
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[at + k]);
        if ((next & 0xC0u) != 0x80u) {
            return {};
        }
        codePoint = (codePoint << 6) | (next & 0x3Fu);
    }
    if (codePoint < smallest || codePoint > 0x10FFFF
        || (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
        return {};
    }
    return {codePoint, length};
}

} // namespace

std::optional<std::u32string> decode(std::string_view bytes)
{
    std::u32string text;
    for (std::size_t at = 0; at < bytes.size();) {
        const Sequence sequence = sequenceAt(bytes, at);
        if (sequence.length == 0) {
            return std::nullopt;
        }
        text += sequence.codePoint;
        at += sequence.length;
    }
    return text;
}

std::u32string decodeLossy(std::string_view bytes)
{
    std::u32string text;
    for (std::size_t at = 0; at < bytes.size();) {
        const Sequence sequence = sequenceAt(bytes, at);
        text += sequence.length == 0 ? replacementCharacter : sequence.codePoint;
        at += sequence.length == 0 ? 1 : sequence.length;
    }
    return text;
}

std::string encode(std::u32string_view text)
{
    std::string bytes;
    for (const char32_t c : text) {
        if (c < 0x80) {
            bytes += static_cast<char>(c);
        } else if (c < 0x800) {
            bytes += static_cast<char>(0xC0 | (c >> 6));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            bytes += static_cast<char>(0xE0 | (c >> 12));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (c >> 18));
            bytes += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return bytes;
}

std::size_t utf16Length(std::u32string_view text)
{
    std::size_t length = 0;
    for (const char32_t c : text) {
        length += c > 0xFFFF ? 2 : 1;
    }
    return length;
}

} // namespace Utf8
