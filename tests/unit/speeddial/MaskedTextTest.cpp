// Base64, ROT13 and the masked texts built from both; none writes past its output.
#include "speeddial/MaskedText.h"
#include "SpeedDialTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

std::string Decoded(std::string_view input) {
    char output[128];
    DecodeBase64(output, input);
    return output;
}

std::string Unmasked(std::string_view input) {
    char output[kMaskedTextBuffer];
    DecodeMaskedText(output, input);
    return output;
}

TEST(DecodeBase64, DecodesTheStandardAlphabetAndItsPadding) {
    EXPECT_EQ(Decoded(""), "");
    EXPECT_EQ(Decoded("Zg=="), "f");
    EXPECT_EQ(Decoded("Zm8="), "fo");
    EXPECT_EQ(Decoded("Zm9v"), "foo");
    EXPECT_EQ(Decoded("Zm9vYmFy"), "foobar");
    EXPECT_EQ(Decoded("MDUjMQ=="), "05#1");
    EXPECT_EQ(Decoded("Pz8+Pw=="), "?"
                                   "?>?"); // "+" and "/" of the alphabet
    EXPECT_EQ(Decoded("/+/+"), "\xFF\xEF\xFE");
}

TEST(DecodeBase64, ALengthThatIsNoMultipleOfFourGivesNothing) {
    EXPECT_EQ(Decoded("Zg="), "");
    EXPECT_EQ(Decoded("Zm9vY"), "");
    EXPECT_EQ(Decoded("Z"), "");
}

TEST(DecodeBase64, BytesOutsideTheAlphabetCountAsZero) {
    EXPECT_EQ(Decoded("Z!9v"), "d\x0fo"); // '!' as 'A'
    EXPECT_EQ(Decoded("!!!!"), "");       // a zero byte first ends the text
}

TEST(DecodeBase64, APadEndsTheTextEvenInTheMiddle) {
    EXPECT_EQ(Decoded("Zg==Zm9v"), "f");
    EXPECT_EQ(Decoded("Zm8=Zm9v"), "fo");
    EXPECT_EQ(Decoded("Zg=v"), "f");
    EXPECT_EQ(Decoded("=AAA"), ""); // the pad as the first symbol counts as zero
}

TEST(DecodeBase64, AnOutputTooSmallKeepsWhatFitsAndIsTerminated) {
    std::array<char, 8> buffer;
    buffer.fill('#');
    DecodeBase64(std::span<char>(buffer.data(), 4), "Zm9vYmFy");
    EXPECT_EQ(std::string(buffer.data()), "foo");
    EXPECT_EQ(std::string(buffer.data() + 4, 4), "####");

    char one[1] = {'#'};
    DecodeBase64(one, "Zm9v");
    EXPECT_EQ(one[0], '\0');
}

TEST(Rot13, RotatesLettersAndCopiesEverythingElse) {
    char output[64];
    Rot13(output, "Hello, World! 0123 +/=");
    EXPECT_EQ(std::string(output), "Uryyb, Jbeyq! 0123 +/=");
    Rot13(output, "NOPQRSTUVWXYZabcdefghijklm");
    EXPECT_EQ(std::string(output), "ABCDEFGHIJKLMnopqrstuvwxyz");
    Rot13(output, "");
    EXPECT_EQ(std::string(output), "");

    std::array<char, 6> buffer;
    buffer.fill('#');
    Rot13(std::span<char>(buffer.data(), 3), "abcdef");
    EXPECT_EQ(std::string(buffer.data()), "no");
    EXPECT_EQ(buffer[3], '#');
}

TEST(DecodeMaskedText, UndoesRot13AndThenBase64) {
    EXPECT_EQ(Masked("4567"), "AQH2Aj==");
    EXPECT_EQ(Unmasked("AQH2Aj=="), "4567");
    EXPECT_EQ(Unmasked(Masked("123:4567")), "123:4567");
    EXPECT_EQ(Unmasked(""), "");
    EXPECT_EQ(Unmasked("NDU2Nw=="), "\x01\x01\xf6\x02"); // plain Base64 is not the masked form
    EXPECT_EQ(Unmasked("AQH2Aj="), "");
}

TEST(DecodeMaskedText, InputLongerThanTheWorkingTextGivesNothing) {
    const std::string fits = Masked(std::string(45, '7')); // 60 bytes
    ASSERT_EQ(fits.size(), 60u);
    EXPECT_EQ(Unmasked(fits), std::string(45, '7'));
    const std::string longest = fits + "NNN=";
    ASSERT_EQ(longest.size(), 64u);
    EXPECT_EQ(Unmasked(longest), "");
    EXPECT_EQ(Unmasked(std::string(4000, 'N')), "");
}

} // namespace
