// The code pages of the charsets that vCard files name.
#pragma once

#include <cstdint>
#include <string_view>

// The Windows code page of a CHARSET value in any letter case (BIG5 950, GB2312 936,
// SHIFT_JIS 932, ISO-8859-1 1252, ...), kCodePageUtf8 for UTF-8, ASCII and no charset at all,
// and 0 for a charset the table does not know.
std::uint32_t CodePageOfCharset(std::string_view charset);
