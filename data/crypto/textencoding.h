#pragma once

#include <optional>
#include <string>
#include <string_view>

// UTF-16 as typed into a text box, as UTF-8, converted by the platform: glibc's iconv on Linux,
// WideCharToMultiByte on Windows. Nothing when the text is not valid UTF-16 (a lone surrogate).
namespace textencoding {

std::optional<std::string> utf8FromUtf16(std::u16string_view text);

} // namespace textencoding
