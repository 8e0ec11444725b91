#include "data/crypto/textencoding.h"

#include <windows.h>

// The Windows implementation of textencoding.h.
namespace textencoding {

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

} // namespace textencoding
