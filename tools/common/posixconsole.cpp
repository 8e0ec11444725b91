#include "tools/common/console.h"
#include "tools/common/consolestream.h"

#include <cstdio>
#include <unistd.h>

// console.h and consolestream.h on Linux and other POSIX systems, where arguments, file names
// and terminals are UTF-8 bytes already and nothing needs converting.
namespace console {

std::vector<std::string> arguments(int argc, char **argv)
{
    return std::vector<std::string>(argv, argv + argc);
}

std::filesystem::path pathFromUtf8(std::string_view utf8)
{
    return std::filesystem::path(std::string(utf8));
}

std::string utf8FromPath(const std::filesystem::path &path)
{
    return path.string();
}

void holdOwnConsoleOpen() { }

namespace stream {

namespace {

std::FILE *file(Stream stream)
{
    return stream == Stream::out ? stdout : stderr;
}

} // namespace

bool isConsole(Stream stream)
{
    return isatty(fileno(file(stream))) != 0;
}

void write(Stream stream, std::string_view utf8)
{
    std::FILE *target = file(stream);
    std::fwrite(utf8.data(), 1, utf8.size(), target);
    std::fflush(target);
}

} // namespace stream

} // namespace console
