#include "decodedlist.h"

#include "data/platform/text.h"
#include "tools/common/hex.h"

#include <cstddef>

namespace {

using platformtext::Encoding;

constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";

// A line's bytes for a message: printable ASCII as it is, every other byte as \xHH, so that a
// message never carries bytes that are not text.
std::string escapedBytes(std::string_view bytes)
{
    std::string text = "\"";
    for (const char byte : bytes) {
        const auto b = static_cast<unsigned char>(byte);
        if (b >= 0x20 && b < 0x7F && b != '"' && b != '\\') {
            text += byte;
        } else {
            text += "\\x" + hex(b, 2);
        }
    }
    return text + '"';
}

struct BadLine
{
    int number = 0;
    std::string_view bytes;
};

// The first line that does not decode on its own. A line feed never occurs inside a sequence of
// either encoding, so decoding line by line finds the line of the first bad byte.
BadLine firstBadLine(std::string_view bytes, Encoding encoding)
{
    int number = 1;
    for (std::size_t start = 0; start <= bytes.size(); ++number) {
        std::size_t end = bytes.find('\n', start);
        end = end == std::string_view::npos ? bytes.size() : end;
        const std::string_view line = bytes.substr(start, end - start);
        if (!platformtext::decode(line, encoding)) {
            return {number, line};
        }
        start = end + 1;
    }
    return {};
}

} // namespace

DecodedList decodeList(std::string_view bytes)
{
    DecodedList list;
    // Excel's "Unicode Text" is UTF-16 with a byte order mark; as GB18030 it would read as text
    // with a NUL after every ASCII character.
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) {
        list.problem = ListProblem {
            ProblemCode::utf16, 1, 1, -1, "文件是 UTF-16 编码（Excel 的“Unicode 文本”），不能读取"};
        return list;
    }
    const bool withBom = bytes.starts_with(byteOrderMark);
    if (std::optional<std::u32string> text = platformtext::decode(
            withBom ? bytes.substr(byteOrderMark.size()) : bytes, Encoding::utf8)) {
        list.text = std::move(*text);
        list.encoding = withBom ? "UTF-8（带 BOM）" : "UTF-8";
        return list;
    }
    if (!platformtext::supported(Encoding::gb18030)) {
        const BadLine bad = firstBadLine(bytes, Encoding::utf8);
        list.problem = ListProblem {ProblemCode::noGb18030, bad.number, bad.number, -1,
            "文件不是 UTF-8 编码，而这个系统不能读取 GB18030（没有代码页 54936）；这一行有不是 "
            "UTF-8 的字节："
                + escapedBytes(bad.bytes)};
        return list;
    }
    if (std::optional<std::u32string> text = platformtext::decode(bytes, Encoding::gb18030)) {
        list.text = std::move(*text);
        list.encoding = "GB18030";
        list.firstLineNotUtf8 = firstBadLine(bytes, Encoding::utf8).number;
        return list;
    }
    // The encoding that reads further is the one the file is meant to be in, and its first bad
    // byte is the one to mend.
    const BadLine utf8Bad = firstBadLine(bytes, Encoding::utf8);
    const BadLine gb18030Bad = firstBadLine(bytes, Encoding::gb18030);
    const bool utf8Further = utf8Bad.number >= gb18030Bad.number;
    const BadLine &bad = utf8Further ? utf8Bad : gb18030Bad;
    list.problem = ListProblem {ProblemCode::notText, bad.number, bad.number, -1,
        std::string("文件既不是 UTF-8 也不是 GB18030 文本；按 ")
            + (utf8Further ? "UTF-8" : "GB18030")
            + " 读到这里都没有问题，这一行却有不是文本的字节：" + escapedBytes(bad.bytes)};
    return list;
}
