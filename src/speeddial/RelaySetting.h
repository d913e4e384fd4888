// Turning a picked entry's relay text (an optional letter P, the station, then slash-separated
// targets) into the record's relay members when the records are written.
#pragma once

#include "speeddial/SpeedDialRecord.h"

#include <cstddef>
#include <span>
#include <string_view>

// Left-pads the text of `length` bytes in `text` with '0' to `width` bytes in place and
// terminates it. Leaves it unchanged when it is not shorter, or when `text` has no room for
// `width` bytes and a terminator.
void PadWithZeros(std::span<char> text, std::size_t length, std::size_t width);

// Resets the relay block (bytes 80 to 187) and fills it from `text`: a station of 1 or 2
// digits from 1 to 99, the option, and up to 20 accepted target codes of 3 bytes each.
// Returns 1 when the record holds a station and at least one target, else 0; the members keep
// what was filled either way.
int ApplyRelaySetting(SpeedDialRecord& record, std::string_view text);
