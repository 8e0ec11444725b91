#pragma once

// The start-up protocol of bench/win32-startup.sh for the program's own start-up: with
// RESULTS_FIRST_FRAME naming a file, the wall-clock time of the first complete frame goes
// there, and the window is closed by its normal way out.
#include <cstdio>
#include <windows.h>

namespace firstframe {

// Microseconds since 1970 (UTC), as precisely as the system gives them:
// GetSystemTimePreciseAsFileTime exists from Windows 8 on.
inline unsigned long long unixMicroseconds()
{
    using GetTimeFunction = void(WINAPI *)(FILETIME *);
    static const auto precise = reinterpret_cast<GetTimeFunction>(reinterpret_cast<void *>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetSystemTimePreciseAsFileTime")));
    FILETIME now {};
    (precise != nullptr ? precise : GetSystemTimeAsFileTime)(&now);
    const unsigned long long ticks
        = (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
    constexpr unsigned long long ticksFrom1601To1970 = 116444736000000000ULL;
    return (ticks - ticksFrom1601To1970) / 10;
}

// The protocol's one obligation: the time stamp, written once the window is on screen, then the
// window closed by its normal way out.
inline void writeStampAndClose(HWND window)
{
    wchar_t path[MAX_PATH] {};
    if (GetEnvironmentVariableW(L"RESULTS_FIRST_FRAME", path, MAX_PATH) == 0) {
        return;
    }
    GdiFlush();
    const unsigned long long stamp = unixMicroseconds();
    FILE *file = _wfopen(path, L"w");
    if (file != nullptr) {
        std::fprintf(file, "%llu\n", stamp);
        std::fclose(file);
    }
    PostMessageW(window, WM_CLOSE, 0, 0);
}

// Paints the shown window with its controls now, then writes the time stamp and closes it.
inline void report(HWND window)
{
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    writeStampAndClose(window);
}

} // namespace firstframe
