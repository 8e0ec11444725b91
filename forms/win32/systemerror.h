#pragma once

#include <string>
#include <string_view>
#include <system_error>
#include <windows.h>

namespace win32forms {

// The error of the system call that just failed, for the caller to throw: the call's own error
// code (GetLastError, read first) and the call with what it was making.
inline std::system_error lastSystemError(std::string_view call, std::string_view making)
{
    const DWORD code = GetLastError();
    return {static_cast<int>(code), std::system_category(),
        std::string(call) + " (" + std::string(making) + ")"};
}

} // namespace win32forms
