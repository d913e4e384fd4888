// The program's fixed texts as the Big5 bytes it shows and compares.
#pragma once

namespace texts {

#define FIXED_TEXT(name, big5, readable) inline constexpr char name[] = big5;
#include "text/FixedTexts.def"
#undef FIXED_TEXT

} // namespace texts
