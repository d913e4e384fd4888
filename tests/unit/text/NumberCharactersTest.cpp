// The characters that numbers are typed with beyond ASCII. Their two-byte forms in the
// double-byte code pages are checked against the platform's tables under Wine.
#include "text/NumberCharacters.h"

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

} // namespace
