// Loading libraries only from places the program trusts: its own folder and the system
// folders, never the current folder (which the file dialog may set to a downloaded file's
// folder) nor the folders of PATH. Windows build only.
#pragma once

#include <string>
#include <windows.h>

namespace platform {

// Limits the search of every later load by file name to the program folder and the system
// folders. Called once at start, before any library is loaded.
void RestrictLibrarySearch();

// A file name (such as "MAPI32.DLL") is looked for in the program folder and the system
// folders; a full path is loaded as given, the libraries it needs found beside it. Null when
// the library does not load; the caller owns the handle.
HMODULE LoadTrustedLibrary(const std::string& nameOrPath);

} // namespace platform
