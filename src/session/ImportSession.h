// One import session, from the command line to the hand-back.
#pragma once

#include "session/Desktop.h"

#include <string_view>

inline constexpr int kRecipientsCommand = 1022;
inline constexpr int kSpeedDialCommand = 1028;

// Runs the whole session. `arguments` is the command line after the program name. The host
// is handed back on every path. Memory that cannot be had ends the import with a message, never
// the session: the source's "not enough memory" text where a source was read, the result's
// "cannot write" text where the result was built, else the "no accounts imported" warning.
void RunImportSession(std::string_view arguments, std::string_view programPath, Desktop& desktop,
                      ImportSources& sources);
