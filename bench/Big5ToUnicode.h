// Big5 benchmark texts in the Unicode forms that CSV files also come in.
#pragma once

#include <cstddef>
#include <string>

// Empty when the text does not convert.
std::u16string Big5ToUtf16(const char* text, std::size_t size);
std::string Utf16ToUtf8(const std::u16string& text);
