#include "textdecoding.h"

#include <cerrno>
#include <iconv.h>

namespace TextDecoding {

namespace {

// One conversion descriptor for one call, closed however the call ends.
class Converter
{
public:
    explicit Converter(const char *from)
        : descriptor(iconv_open("UTF-32LE", from))
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
    iconv_t get() const { return descriptor; }

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
    return Converter(iconvName(encoding)).valid();
}

std::optional<std::u32string> decode(std::string_view bytes, Encoding encoding)
{
    Converter converter(iconvName(encoding));
    if (!converter.valid()) {
        return std::nullopt;
    }
    // No encoding here takes fewer bytes per code point than one, so four bytes out per byte in
    // always suffice.
    std::string out(bytes.size() * 4, '\0');
    char *in = const_cast<char *>(bytes.data());
    std::size_t inLeft = bytes.size();
    char *outAt = out.data();
    std::size_t outLeft = out.size();
    if (iconv(converter.get(), &in, &inLeft, &outAt, &outLeft) == static_cast<std::size_t>(-1)
        || inLeft != 0) {
        return std::nullopt;
    }
    out.resize(out.size() - outLeft);

    std::u32string text;
    text.reserve(out.size() / 4);
    for (std::size_t at = 0; at < out.size(); at += 4) {
        const auto byte = [&out, at](std::size_t k) {
            return static_cast<char32_t>(static_cast<unsigned char>(out[at + k])) << (8 * k);
        };
        text += byte(0) | byte(1) | byte(2) | byte(3);
    }
    return text;
}

} // namespace TextDecoding
