#pragma once

// A minimal check library for the Windows test programs (no test framework is available for
// MinGW): each failed check prints its place and values, check::summary() prints
// "N passed, N failed" and gives the exit status.
#include <cstdio>
#include <string>
#include <string_view>
#include <windows.h>

namespace check {

inline int passed = 0;
inline int failed = 0;

inline std::string utf8(std::wstring_view text)
{
    const int size = WideCharToMultiByte(
        CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), bytes.data(), size,
        nullptr, nullptr);
    return bytes;
}

inline std::string shown(long long value)
{
    return std::to_string(value);
}
inline std::string shown(std::wstring_view value)
{
    return '"' + utf8(value) + '"';
}
inline std::string shown(std::string_view utf8Value)
{
    return '"' + std::string(utf8Value) + '"';
}

inline bool record(bool ok, const char *what, const std::string &values, const char *file, int line)
{
    if (ok) {
        ++passed;
    } else {
        ++failed;
        std::printf("%s:%d: FAILED %s%s\n", file, line, what, values.c_str());
    }
    return ok;
}

template<typename Actual, typename Expected>
bool equal(
    const Actual &actual, const Expected &expected, const char *what, const char *file, int line)
{
    return record(actual == expected, what,
        ": got " + shown(actual) + ", expected " + shown(expected), file, line);
}

inline int summary()
{
    std::printf("%d passed, %d failed\n", passed, failed);
    std::fflush(stdout);
    return failed == 0 ? 0 : 1;
}

} // namespace check

#define CHECK(condition) check::record((condition), #condition, "", __FILE__, __LINE__)
#define CHECK_EQ(actual, expected)                                                                 \
    check::equal((actual), (expected), #actual " == " #expected, __FILE__, __LINE__)
