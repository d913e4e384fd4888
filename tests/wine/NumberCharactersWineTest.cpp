// The two-byte forms of full-width digits, signs and dashes that fax numbers fold are the ones
// the real platform's tables give for each double-byte code page.
#include "text/NumberCharacters.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

TEST(NumberCharactersWine, FoldsAreThePlatformsTwoByteForms) {
    for (const UINT codePage : {932u, 936u, 949u, 950u}) {
        int folds = 0;
        for (int lead = 0x81; lead <= 0xFE; ++lead) {
            for (int trail = 0x40; trail <= 0xFE; ++trail) {
                const char bytes[2] = {static_cast<char>(lead), static_cast<char>(trail)};
                wchar_t units[4] = {};
                const int length =
                    ::MultiByteToWideChar(codePage, MB_ERR_INVALID_CHARS, bytes, 2, units, 4);
                const char expected =
                    length == 1 ? NumberCharacterAsAscii(static_cast<char32_t>(units[0])) : 0;
                EXPECT_EQ(DoubleByteNumberCharacterAsAscii(codePage,
                                                           static_cast<unsigned char>(lead),
                                                           static_cast<unsigned char>(trail)),
                          expected)
                    << codePage << " " << std::hex << lead << " " << trail;
                folds += expected != 0;
            }
        }
        EXPECT_GE(folds, 19) << codePage;
    }
}

} // namespace
