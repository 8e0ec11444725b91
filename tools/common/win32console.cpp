#include "tools/common/console.h"
#include "tools/common/consolestream.h"

#include <climits>
#include <cstdio>
#include <new>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

// console.h and consolestream.h on Windows: UTF-16 from the system, converted to and from UTF-8
// by the system (MultiByteToWideChar, WideCharToMultiByte).
namespace console {

namespace {

// Text that cannot be converted (a lone surrogate in a file name) becomes U+FFFD rather than
// nothing: these strings are shown or opened, never compared as secrets.
std::wstring wide(std::string_view utf8)
{
    if (utf8.empty() || utf8.size() > INT_MAX) {
        return std::wstring();
    }
    const int size = static_cast<int>(utf8.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), size, text.data(), length);
    return text;
}

std::string utf8(std::wstring_view text)
{
    if (text.empty() || text.size() > INT_MAX / 3) {
        return std::string();
    }
    const int length = static_cast<int>(text.size());
    const int size
        = WideCharToMultiByte(CP_UTF8, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), length, bytes.data(), size, nullptr, nullptr);
    return bytes;
}

HANDLE handle(stream::Stream stream)
{
    return GetStdHandle(stream == stream::Stream::out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
}

bool isConsoleHandle(HANDLE handle)
{
    DWORD mode = 0;
    return handle != nullptr && handle != INVALID_HANDLE_VALUE && GetConsoleMode(handle, &mode);
}

} // namespace

std::vector<std::string> arguments(int, char **)
{
    int count = 0;
    wchar_t **words = CommandLineToArgvW(GetCommandLineW(), &count);
    // It fails only when it cannot allocate the list.
    if (words == nullptr) {
        throw std::bad_alloc();
    }
    std::vector<std::string> list;
    for (int i = 0; i < count; ++i) {
        list.push_back(utf8(words[i]));
    }
    LocalFree(words);
    return list;
}

std::filesystem::path pathFromUtf8(std::string_view utf8Path)
{
    return std::filesystem::path(wide(utf8Path));
}

std::string utf8FromPath(const std::filesystem::path &path)
{
    return utf8(path.native());
}

void holdOwnConsoleOpen()
{
    DWORD processes[2];
    const HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    if (GetConsoleProcessList(processes, 2) != 1 || !isConsoleHandle(input)
        || !isConsoleHandle(handle(stream::Stream::out))) {
        return;
    }
    out("\n按任意键关闭");
    // Keys pressed while the program ran are not an answer to a question not yet asked.
    FlushConsoleInputBuffer(input);
    INPUT_RECORD record;
    DWORD read = 0;
    while (ReadConsoleInputW(input, &record, 1, &read) && read == 1) {
        if (record.EventType == KEY_EVENT && record.Event.KeyEvent.bKeyDown) {
            return;
        }
    }
}

namespace stream {

bool isConsole(Stream stream)
{
    return isConsoleHandle(handle(stream));
}

void write(Stream stream, std::string_view utf8Text)
{
    // Whatever the C runtime still holds goes first, so that the order stays as written.
    std::fflush(stream == Stream::out ? stdout : stderr);
    const HANDLE target = handle(stream);
    DWORD written = 0;
    if (isConsoleHandle(target)) {
        const std::wstring text = wide(utf8Text);
        WriteConsoleW(target, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    } else if (utf8Text.size() <= MAXDWORD) {
        // The bytes as they are: no code page, and line ends as written, as on Linux.
        WriteFile(target, utf8Text.data(), static_cast<DWORD>(utf8Text.size()), &written, nullptr);
    }
}

} // namespace stream

} // namespace console
