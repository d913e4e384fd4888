#include "addressbook/ProviderBitness.h"
#include "ExportBooks.h"

#include <gtest/gtest.h>

namespace {

struct RecordedCase {
    std::vector<std::string> values;
    int programBits;
    int other;
};

TEST(OtherRecordedBitness, OnlyTheOtherBitnessRecordedAloneCounts) {
    const RecordedCase cases[] = {
        {{}, 64, 0},
        {{"x86"}, 64, 32},
        {{"X64"}, 32, 64},
        {{"x64"}, 64, 0},
        {{"x86", "x64"}, 64, 0}, // this build's mail program is there as well
        {{"x64", "x86"}, 64, 0},
        {{"", "arm64", "x86 "}, 64, 0},
        {{"", "x64"}, 32, 64},
    };
    for (const RecordedCase& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.values) + " in a " + std::to_string(c.programBits) +
                     "-bit build");
        EXPECT_EQ(OtherRecordedBitness(c.values, c.programBits), c.other);
    }
}

TEST(BitnessMismatchMessage, NamesTheLibraryAndTheBuildToUse) {
    EXPECT_EQ(BitnessMismatchMessage("MAPI32.DLL", 32),
              export_books::ToBig5(
                  "找到的MAPI32.DLL與本程式的位元數不同。\n請改用32位元版本的匯入程式。"));
    EXPECT_EQ(BitnessMismatchMessage("C:\\%d\\wab32.dll", 64).find("C:\\%d\\wab32.dll"), 6u);
    EXPECT_EQ(kProgramBits + kOtherBits, 96);
}

} // namespace
