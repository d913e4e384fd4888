// The two ways the speed-dial import reads numbers from texts. Both saturate instead of
// overflowing, so no file can make a number wrap around into an accepted range.
#pragma once

#include <cstdint>
#include <string_view>

// The decimal value of a text made only of the digits 0 to 9; 0 for an empty text or one
// with any other byte.
int32_t DigitValue(std::string_view text);

// The leading decimal value: leading blanks and a sign are accepted, reading stops at the
// first other byte, and a text without digits gives 0.
int32_t LeadingDecimalValue(std::string_view text);
