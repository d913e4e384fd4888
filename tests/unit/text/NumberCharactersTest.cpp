// The characters that numbers are typed with beyond ASCII, and their two-byte forms in the
// double-byte code pages, read back through ICU's tables.
#include "text/NumberCharacters.h"

#include "IcuReference.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(NumberCharacters, FullWidthFormsAndDashesHaveTheirAsciiForms) {
    const std::u16string typed = u"０１２３４５６７８９＋－（）．＃＊／‐‑‒–—―−";
    std::string ascii;
    for (const char16_t character : typed)
        ascii += NumberCharacterAsAscii(character);
    EXPECT_EQ(ascii, "0123456789+-().#*/-------");
    for (const char32_t other : {U'a', U'Ａ', U'，', U'　', U'～', U'傳', U'\u00A0'})
        EXPECT_EQ(NumberCharacterAsAscii(other), 0) << static_cast<unsigned>(other);
}

TEST(NumberCharacters, EveryTwoByteFormOfTheDoubleByteCodePagesFolds) {
    for (const int codePage : {932, 936, 949, 950}) {
        UErrorCode status = U_ZERO_ERROR;
        const std::string name = "windows-" + std::to_string(codePage);
        std::unique_ptr<UConverter, icu_reference::ConverterCloser> converter(
            ucnv_open(name.c_str(), &status));
        ASSERT_TRUE(U_SUCCESS(status)) << name;
        ucnv_setToUCallBack(converter.get(), UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr,
                            &status);
        int folds = 0;
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                char16_t units[4];
                status = U_ZERO_ERROR;
                const int length = ucnv_toUChars(converter.get(), units, 4, bytes, 2, &status);
                const char expected =
                    U_SUCCESS(status) && length == 1 ? NumberCharacterAsAscii(units[0]) : 0;
                EXPECT_EQ(DoubleByteNumberCharacterAsAscii(static_cast<std::uint32_t>(codePage),
                                                           static_cast<unsigned char>(lead),
                                                           static_cast<unsigned char>(trail)),
                          expected)
                    << name << " " << std::hex << lead << " " << trail;
                folds += expected != 0;
            }
        }
        EXPECT_GE(folds, 19) << name; // the ten digits and most signs at least
    }
    EXPECT_EQ(DoubleByteNumberCharacterAsAscii(1258, 0xA2, 0xAF), 0);
}

} // namespace
