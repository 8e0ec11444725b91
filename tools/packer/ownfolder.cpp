#include "ownfolder.h"

#ifdef _WIN32
#include <string>
#include <windows.h>
#endif

std::filesystem::path ownFolder()
{
#ifdef _WIN32
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length
            = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return std::filesystem::path(path).parent_path();
#else
    std::error_code code;
    return std::filesystem::read_symlink("/proc/self/exe", code).parent_path();
#endif
}
