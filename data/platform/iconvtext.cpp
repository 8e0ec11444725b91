#include "data/platform/fatal.h"
#include "data/platform/text.h"

#include <bit>
#include <cerrno>
#include <cstring>
#include <iconv.h>

// The glibc implementation of text.h.
namespace platformtext {

namespace {

// One conversion descriptor for one call, closed however the call ends.
class Converter
{
public:
    Converter(const char *to, const char *from)
        : descriptor(iconv_open(to, from))
    { }
    ~Converter()
    {
        if (valid()) {
            iconv_close(descriptor);
        }
    }
    Converter(const Converter &) = delete;
    Converter &operator=(const Converter &) = delete;

    bool valid() const { return descriptor != reinterpret_cast<iconv_t>(-1); }

    // All of the input converted into at most capacity bytes, or nothing.
    std::optional<std::string> convert(std::string_view bytes, std::size_t capacity) const
    {
        std::string out(capacity, '\0');
        char *in = const_cast<char *>(bytes.data());
        std::size_t inLeft = bytes.size();
        char *outAt = out.data();
        std::size_t outLeft = out.size();
        if (iconv(descriptor, &in, &inLeft, &outAt, &outLeft) == static_cast<std::size_t>(-1)
            || inLeft != 0) {
            return std::nullopt;
        }
        out.resize(out.size() - outLeft);
        return out;
    }

private:
    iconv_t descriptor;
};

const char *iconvName(Encoding encoding)
{
    return encoding == Encoding::utf8 ? "UTF-8" : "GB18030";
}

} // namespace

bool supported(Encoding encoding)
{
    return Converter("UTF-32LE", iconvName(encoding)).valid();
}

std::optional<std::u32string> decode(std::string_view bytes, Encoding encoding)
{
    const Converter converter("UTF-32LE", iconvName(encoding));
    if (!converter.valid()) {
        return std::nullopt;
    }
    // No encoding here takes fewer bytes per code point than one, so four bytes out per byte in
    // always suffice.
    const std::optional<std::string> out = converter.convert(bytes, bytes.size() * 4);
    if (!out) {
        return std::nullopt;
    }
    std::u32string text;
    text.reserve(out->size() / 4);
    for (std::size_t at = 0; at < out->size(); at += 4) {
        const auto byte = [&out, at](std::size_t k) {
            return static_cast<char32_t>(static_cast<unsigned char>((*out)[at + k])) << (8 * k);
        };
        text += byte(0) | byte(1) | byte(2) | byte(3);
    }
    return text;
}

std::optional<std::string> utf8FromUtf16(std::u16string_view text)
{
    // An explicit byte order: plain "UTF-16" would expect a byte-order mark.
    static constexpr const char *from
        = std::endian::native == std::endian::little ? "UTF-16LE" : "UTF-16BE";
    const Converter converter("UTF-8", from);
    if (!converter.valid()) {
        // glibc always has both; without them no lookup could be answered.
        fatal::fail(std::string("iconv_open: ") + std::strerror(errno));
    }
    // A UTF-16 code unit never takes more than three bytes of UTF-8.
    return converter.convert(std::string_view(reinterpret_cast<const char *>(text.data()),
                                 text.size() * sizeof(char16_t)),
        text.size() * 3);
}

} // namespace platformtext
