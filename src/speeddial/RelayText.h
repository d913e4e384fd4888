// The relay text of a version 1 to 6 line, as the picker's detail dialog shows it and the
// writer reads it: an optional letter P, the relay station, then slash-separated targets.
#pragma once

#include <cstddef>
#include <string>

// Room for the decoded targets; only the first 20 pairs are ever used.
inline constexpr std::size_t kRelayTargetsBuffer = 128;

// `option` is the trimmed relay-option field, `station` the station field and `targets` the
// Base64 of the two-character target codes (no ROT13). Station 12 with the targets 05#1 gives
// 12/05/#1; without targets 12/. The targets stop at a pair of two '0' bytes, at the end of the
// decoded text, or after 20 pairs.
std::string ComposeRelayText(const char* option, const char* station, const char* targets);
