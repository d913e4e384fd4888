#include "platform/TrustedLibraries.h"

#include "platform/Win32Handles.h"

namespace platform {
namespace {

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

// Systems without this entry (Windows 7 before its loader update) know none of the
// LOAD_LIBRARY_SEARCH_ flags either.
SetDefaultDllDirectoriesFunction SetDefaultDirectories() {
    static const auto function = ProcAddress<SetDefaultDllDirectoriesFunction>(
        ::GetModuleHandleA("kernel32.dll"), "SetDefaultDllDirectories");
    return function;
}

bool IsFullPath(const std::string& path) {
    const bool drive = path.size() >= 3 && path[1] == ':' && (path[2] == '\\' || path[2] == '/');
    const bool network = path.size() >= 2 && (path[0] == '\\' || path[0] == '/') &&
                         (path[1] == '\\' || path[1] == '/');
    return drive || network;
}

} // namespace

void RestrictLibrarySearch() {
    const auto setDefaultDirectories = SetDefaultDirectories();
    if (setDefaultDirectories && setDefaultDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS))
        return;
    // Older systems: at least the current folder leaves the search.
    ::SetDllDirectoryA("");
}

HMODULE LoadTrustedLibrary(const std::string& nameOrPath) {
    const char* name = nameOrPath.c_str();
    const bool fullPath = IsFullPath(nameOrPath);
    if (!SetDefaultDirectories())
        return fullPath ? ::LoadLibraryExA(name, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH)
                        : ::LoadLibraryA(name);
    const DWORD search = fullPath
                             ? LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_DEFAULT_DIRS
                             : LOAD_LIBRARY_SEARCH_DEFAULT_DIRS;
    return ::LoadLibraryExA(name, nullptr, search);
}

} // namespace platform
