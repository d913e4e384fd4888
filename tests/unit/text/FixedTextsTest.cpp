// Every fixed text's Big5 bytes say exactly what its readable column says.
#include "text/FixedTexts.h"

#include <gtest/gtest.h>
#include <unicode/ucnv.h>

#include <string>
#include <vector>

namespace {

struct FixedText {
    const char* name;
    const char* big5;
    const char* readable;
};

const std::vector<FixedText> kAllTexts = {
#define FIXED_TEXT(name, big5, readable) {#name, texts::name, readable},
#include "text/FixedTexts.def"
#undef FIXED_TEXT
};

std::string Big5ToUtf8(const std::string& big5) {
    UErrorCode status = U_ZERO_ERROR;
    std::string utf8(big5.size() * 3 + 1, '\0');
    const int32_t length = ucnv_convert("UTF-8", "windows-950", utf8.data(),
                                        static_cast<int32_t>(utf8.size()), big5.data(),
                                        static_cast<int32_t>(big5.size()), &status);
    EXPECT_TRUE(U_SUCCESS(status)) << u_errorName(status);
    utf8.resize(length);
    return utf8;
}

TEST(FixedTexts, EveryBig5TextReadsAsItsReadableColumn) {
    ASSERT_GT(kAllTexts.size(), 20u);
    for (const FixedText& text : kAllTexts) {
        EXPECT_NE(std::string(text.big5), "") << text.name << ": run scripts/fixed-texts.py";
        EXPECT_EQ(Big5ToUtf8(text.big5), text.readable) << text.name;
    }
}

TEST(FixedTexts, HeaderWordsAreTheKnownBig5Bytes) {
    EXPECT_EQ(std::string(texts::kFaxHeaderWord), "\xB6\xC7\xAF\x75");
    EXPECT_EQ(std::string(texts::kNameHeaderWord), "\xA6\x57\xBA\xD9");
}

} // namespace
