// Checks the layout of another process's dialog as a person would see it: the dialog on the
// screen, its controls inside it and apart, and their texts not cut.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Readable descriptions of what is wrong with the dialog's layout; none when it is sound.
// `font` is the font the dialog's controls draw their texts with.
std::vector<std::string> LayoutProblems(HWND dialog, HFONT font, UINT dpi);

} // namespace e2e
