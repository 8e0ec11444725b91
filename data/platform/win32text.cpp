#include "data/platform/text.h"

#include <climits>
#include <windows.h>

// The Windows implementation of text.h.
namespace platformtext {

namespace {

// GB18030; Windows has it as a code page of its own since Windows XP.
constexpr UINT gb18030CodePage = 54936;

UINT codePage(Encoding encoding)
{
    return encoding == Encoding::utf8 ? CP_UTF8 : gb18030CodePage;
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
