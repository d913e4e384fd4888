// Independent answers from ICU, for checking the program's own tables and conversions.
#pragma once

#include <unicode/uchar.h>
#include <unicode/ucnv.h>
#include <unicode/unorm2.h>

#include <memory>
#include <optional>
#include <string>

namespace icu_reference {

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};

// The character of one byte in the published code page 1258 mapping; none for an unassigned
// byte.
inline std::optional<char16_t> Cp1258Char(unsigned char byte) {
    UErrorCode status = U_ZERO_ERROR;
    std::unique_ptr<UConverter, ConverterCloser> converter(ucnv_open("windows-1258", &status));
    if (U_FAILURE(status))
        return std::nullopt;
    ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                        &status);
    char16_t units[4];
    const char source = static_cast<char>(byte);
    const int length = ucnv_toUChars(converter.get(), units, 4, &source, 1, &status);
    if (U_FAILURE(status) || length != 1)
        return std::nullopt;
    return units[0];
}

inline std::u16string Normalize(const UNormalizer2* normalizer, const std::u16string& text) {
    UErrorCode status = U_ZERO_ERROR;
    char16_t buffer[64];
    const int length = unorm2_normalize(normalizer, text.data(), static_cast<int>(text.size()),
                                        buffer, 64, &status);
    return U_SUCCESS(status) ? std::u16string(buffer, static_cast<std::size_t>(length)) : u"";
}

inline std::u16string Nfc(const std::u16string& text) {
    UErrorCode status = U_ZERO_ERROR;
    return Normalize(unorm2_getNFCInstance(&status), text);
}

inline std::u16string Nfd(const std::u16string& text) {
    UErrorCode status = U_ZERO_ERROR;
    return Normalize(unorm2_getNFDInstance(&status), text);
}

inline std::string CharName(char16_t unit) {
    UErrorCode status = U_ZERO_ERROR;
    char name[128] = {};
    u_charName(unit, U_UNICODE_CHAR_NAME, name, sizeof name, &status);
    return name;
}

} // namespace icu_reference
