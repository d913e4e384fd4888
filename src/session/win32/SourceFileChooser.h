// The file-open dialog for the file sources.
#pragma once

#include <string>

// Returns true with the chosen file's full path; false when cancelled or for a type without
// a file.
bool ChooseSourceFile(int importType, std::string& path);
