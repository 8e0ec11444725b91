#pragma once

#include <string>
#include <windows.h>

namespace win32forms {

// A function of a system DLL that older Windows versions lack, or nullptr there. The DLL is
// loaded if it is not yet, and stays loaded for the life of the process.
template<typename Function> Function systemCall(const wchar_t *dll, const char *name)
{
    HMODULE module = GetModuleHandleW(dll);
    if (module == nullptr) {
        // From the system folder by its full path, never from the program's folder; Windows 7
        // without its 2011 update knows no LOAD_LIBRARY_SEARCH_SYSTEM32.
        std::wstring path(MAX_PATH, L'\0');
        const UINT length = GetSystemDirectoryW(path.data(), MAX_PATH);
        // Without the folder the path would be "\\name", on the root of the current drive.
        if (length == 0 || length >= MAX_PATH) {
            return nullptr;
        }
        path.resize(length);
        module = LoadLibraryW((path + L'\\' + dll).c_str());
    }
    if (module == nullptr) {
        return nullptr;
    }
    return reinterpret_cast<Function>(reinterpret_cast<void *>(GetProcAddress(module, name)));
}

} // namespace win32forms
