#include "Big5ToUnicode.h"

#include "platform/CodePages.h"
#include "text/CodePageConversion.h"

std::u16string Big5ToUtf16(const char* text, std::size_t size) {
    const int length = static_cast<int>(size);
    std::u16string wide(size, u'\0');
    const int units = CodePageToWide(950, 0, text, length, wide.data(), length);
    wide.resize(units > 0 ? static_cast<std::size_t>(units) : 0);
    return wide;
}

std::string Utf16ToUtf8(const std::u16string& text) {
    if (text.empty())
        return {};
    std::string utf8(text.size() * 3, '\0');
    const int bytes =
        WideToCodePage(platform::kCodePageUtf8, 0, text.data(), static_cast<int>(text.size()),
                       utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr);
    utf8.resize(bytes > 0 ? static_cast<std::size_t>(bytes) : 0);
    return utf8;
}
