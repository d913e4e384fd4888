// One import session, from the command line to the hand-back.
#pragma once

#include "session/Desktop.h"

#include <string_view>

inline constexpr int kRecipientsCommand = 1022;
inline constexpr int kSpeedDialCommand = 1028;

// Runs the whole session. `arguments` is the command line after the program name. The host
// is handed back on every path; an exception (memory that the session's own steps could not
// have) goes on only after that.
void RunImportSession(std::string_view arguments, std::string_view programPath, Desktop& desktop,
                      ImportSources& sources);
