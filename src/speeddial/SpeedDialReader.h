// The speed-dial import of import type 6: an EWS-CSV file that a multifunction device's web
// server exports.
#pragma once

#include "platform/Files.h"
#include "session/SessionLists.h"
#include "speeddial/SpeedDialDialogs.h"
#include "speeddial/SpeedDialState.h"

#include <cstdint>
#include <string>

// Reads the file, recognises its header form, parses every data line into `state`'s table
// (which stays allocated whatever the result) and the per-record lists of `lists`, and lets
// the user pick. Returns the number picked (also in `count`, with `recipients` and the picked
// record indexes in `pickedRecords`), 0 when the picker was cancelled or confirmed empty, or a
// failure code: -1, -2, -4 the file cannot be opened, sized or read (or is empty), -3 out of
// memory (while reading, or for the picker or the picked texts; `count` is then 0 and
// `recipients` empty), -5 no data line was accepted, -7 no known header. `excludedLines`
// counts the data lines that were not accepted.
int ImportSpeedDialFile(const std::string& sourcePath, SessionLists& lists, int32_t& excludedLines,
                        int optionFlags, SpeedDialState& state, SpeedDialDialogs& dialogs);

// Everything before the picker: the number of records accepted, or a failure code. The file's
// text is released before it returns.
int ReadSpeedDialRecords(const std::string& sourcePath, SessionLists& lists, int32_t& excludedLines,
                         SpeedDialState& state);

// ReadSpeedDialRecords on a file's bytes already read (as ReadWholeFile gives them); they are
// cut into lines where they lie.
int ParseSpeedDialRecords(platform::FileBytes& file, SessionLists& lists, int32_t& excludedLines,
                          SpeedDialState& state);
