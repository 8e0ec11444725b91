#include "tools/common/console.h"

#include "tools/common/consolestream.h"

#include <chrono>
#include <cstddef>
#include <string>

// The part of console.h that is the same on every system: where a progress line ends.
namespace console {

namespace {

using stream::Stream;

// How often progress goes to a log: enough to show that a minute's sealing is moving.
constexpr auto plainProgressInterval = std::chrono::seconds(10);

struct ProgressState
{
    // A progress line on the console waits for its line break.
    bool lineOpen = false;
    // Its width in columns, so that a shorter line blanks what is left of a longer one.
    std::size_t width = 0;
    std::chrono::steady_clock::time_point lastPlainLine;
    bool plainLineWritten = false;
};

ProgressState &progressState()
{
    static ProgressState state;
    return state;
}

// Columns on a console: CJK characters and full-width forms take two, the rest of what the
// tools write one. UTF-8 continuation bytes take none.
std::size_t columns(std::string_view utf8)
{
    std::size_t width = 0;
    for (std::size_t at = 0; at < utf8.size(); ++at) {
        const auto byte = static_cast<unsigned char>(utf8[at]);
        if ((byte & 0xC0) == 0x80) {
            continue;
        }
        // A lead byte of 0xE1 or above starts a code point from U+1000 on; what the tools write
        // from there is Chinese or full-width punctuation.
        width += byte >= 0xE1 ? 2 : 1;
    }
    return width;
}

void endProgressLine()
{
    ProgressState &state = progressState();
    if (state.lineOpen) {
        state.lineOpen = false;
        stream::write(Stream::err, "\n");
    }
}

void writeMessage(Stream target, std::string_view utf8)
{
    if (stream::isConsole(target)) {
        endProgressLine();
    }
    stream::write(target, utf8);
}

} // namespace

void out(std::string_view utf8)
{
    writeMessage(Stream::out, utf8);
}

void err(std::string_view utf8)
{
    writeMessage(Stream::err, utf8);
}

void progress(std::string_view utf8)
{
    ProgressState &state = progressState();
    if (stream::isConsole(Stream::err)) {
        const std::size_t width = columns(utf8);
        std::string line = '\r' + std::string(utf8);
        if (width < state.width) {
            line.append(state.width - width, ' ');
        }
        stream::write(Stream::err, line);
        state.lineOpen = true;
        state.width = width;
        return;
    }
    const auto now = std::chrono::steady_clock::now();
    if (!state.plainLineWritten || now - state.lastPlainLine >= plainProgressInterval) {
        stream::write(Stream::err, std::string(utf8) + '\n');
        state.plainLineWritten = true;
        state.lastPlainLine = now;
    }
}

} // namespace console
