#include "data/crypto/textencoding.h"

#include <bit>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iconv.h>

// The glibc implementation of textencoding.h.
namespace textencoding {

std::optional<std::string> utf8FromUtf16(std::u16string_view text)
{
    // An explicit byte order: plain "UTF-16" would expect a byte-order mark.
    static constexpr const char *from
        = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
    iconv_t converter = iconv_open("UTF-8", from);
    if (converter == reinterpret_cast<iconv_t>(-1)) {
        std::fprintf(stderr, "iconv_open: %s\n", std::strerror(errno));
        std::abort();
    }
    // A UTF-16 code unit never takes more than three bytes of UTF-8.
    std::string out(text.size() * 3, '\0');
    std::string in(reinterpret_cast<const char *>(text.data()), text.size() * sizeof(char16_t));
    char *inAt = in.data();
    std::size_t inLeft = in.size();
    char *outAt = out.data();
    std::size_t outLeft = out.size();
    const std::size_t status = iconv(converter, &inAt, &inLeft, &outAt, &outLeft);
    iconv_close(converter);
    if (status == static_cast<std::size_t>(-1) || inLeft != 0) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);
    return out;
}

} // namespace textencoding
