#include "data/platform/text.h"

#include <climits>
#include <windows.h>

// The Windows implementation of text.h.
namespace platformtext {

namespace {

// GB18030; Windows has it as a code page of its own since Windows XP. Where it is missing, as in
// Wine 8, code page 936 (GBK) reads it instead: Excel's "CSV" on a Chinese Windows is written in
// 936, whose hanzi, letters and digits GB18030 encodes with the same bytes, and
// MB_ERR_INVALID_CHARS makes 936 refuse the four-byte sequences that only GB18030 has, so it
// never reads them as other text.
constexpr UINT gb18030CodePage = 54936;
constexpr UINT gbkCodePage = 936;

UINT codePage(Encoding encoding)
{
    if (encoding == Encoding::utf8) {
        return CP_UTF8;
    }
    return IsValidCodePage(gb18030CodePage) || !IsValidCodePage(gbkCodePage) ? gb18030CodePage
                                                                             : gbkCodePage;
}

} // namespace

bool supported(Encoding encoding)
{
    return IsValidCodePage(codePage(encoding)) != 0;
}

std::optional<std::u32string> decode(std::string_view bytes, Encoding encoding)
{
    if (!supported(encoding) || bytes.size() > static_cast<std::size_t>(INT_MAX)) {
        return std::nullopt;
    }
    if (bytes.empty()) {
        return std::u32string();
    }
    const UINT page = codePage(encoding);
    const int size = static_cast<int>(bytes.size());
    // MB_ERR_INVALID_CHARS makes the call fail instead of putting U+FFFD for bad bytes.
    const int length
        = MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), size, nullptr, 0);
    if (length <= 0) {
        return std::nullopt;
    }
    std::wstring utf16(static_cast<std::size_t>(length), L'\0');
    if (MultiByteToWideChar(page, MB_ERR_INVALID_CHARS, bytes.data(), size, utf16.data(), length)
        != length) {
        return std::nullopt;
    }

    // Windows hands back UTF-16; a valid decoding pairs every surrogate.
    std::u32string text;
    text.reserve(utf16.size());
    for (std::size_t at = 0; at < utf16.size(); ++at) {
        const char32_t unit = utf16[at];
        if (unit >= 0xD800 && unit <= 0xDBFF && at + 1 < utf16.size()) {
            const char32_t low = utf16[at + 1];
            if (low >= 0xDC00 && low <= 0xDFFF) {
                text += 0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00);
                ++at;
                continue;
            }
        }
        if (unit >= 0xD800 && unit <= 0xDFFF) {
            return std::nullopt;
        }
        text += unit;
    }
    return text;
}

std::optional<std::string> utf8FromUtf16(std::u16string_view text)
{
    if (text.empty()) {
        return std::string();
    }
    if (text.size() > 0x7FFFFFFF / 3) {
        return std::nullopt;
    }
    const auto *wide = reinterpret_cast<const wchar_t *>(text.data());
    const int length = static_cast<int>(text.size());
    // WC_ERR_INVALID_CHARS refuses a lone surrogate instead of writing U+FFFD for it.
    const int size = WideCharToMultiByte(
        CP_UTF8, WC_ERR_INVALID_CHARS, wide, length, nullptr, 0, nullptr, nullptr);
    if (size <= 0) {
        return std::nullopt;
    }
    std::string out(static_cast<std::size_t>(size), '\0');
    if (WideCharToMultiByte(
            CP_UTF8, WC_ERR_INVALID_CHARS, wide, length, out.data(), size, nullptr, nullptr)
        != size) {
        return std::nullopt;
    }
    return out;
}

} // namespace platformtext
