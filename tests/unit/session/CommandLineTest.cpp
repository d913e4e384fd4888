#include "session/CommandLine.h"

#include <climits>
#include <gtest/gtest.h>

namespace {

constexpr char kProgram[] = "C:\\Fax\\bin\\importer.exe";
constexpr char kFolder[] = "C:\\Fax\\bin\\";

struct Shape {
    const char* arguments;
    const char* resultPath;
    const char* helpFile;
    int optionFlags;
    int importType;
};

void PrintTo(const Shape& shape, std::ostream* out) {
    *out << '"' << shape.arguments << '"';
}

class CommandLineShapes : public ::testing::TestWithParam<Shape> {};

TEST_P(CommandLineShapes, GiveTheirFields) {
    const Shape& shape = GetParam();
    const CommandLine parsed = ParseCommandLine(shape.arguments, kProgram);
    EXPECT_EQ(parsed.resultPath, shape.resultPath);
    EXPECT_EQ(parsed.helpFilePath, std::string(kFolder) + shape.helpFile);
    EXPECT_EQ(parsed.optionFlags, shape.optionFlags);
    EXPECT_EQ(parsed.importType, shape.importType);
}

INSTANTIATE_TEST_SUITE_P(
    AllShapes, CommandLineShapes,
    ::testing::Values(Shape{"C:\\r.bin||0|IMPORT_TYPE_4", "C:\\r.bin", "KW7PLD.CHM", 0, 4},
                      Shape{"C:\\r.bin|my.chm|2", "C:\\r.bin", "my.chm", 2, 0},
                      Shape{"C:\\r.bin|my.chm", "C:\\r.bin", "my.chm", 0, 0},
                      Shape{"C:\\r.bin|", "C:\\r.bin", "KW7PLD.CHM", 0, 0},
                      Shape{"C:\\r.bin", "C:\\r.bin", "KW7PLD.CHM", 0, 0},
                      Shape{"C:\\r.bin|||IMPORT_TYPE_6", "C:\\r.bin", "KW7PLD.CHM", 0, 6},
                      Shape{"C:\\r.bin||0|import_type_5", "C:\\r.bin", "KW7PLD.CHM", 0, 0},
                      Shape{"C:\\r.bin||0|IMPORT_TYPE_0", "C:\\r.bin", "KW7PLD.CHM", 0, 0},
                      Shape{"C:\\r.bin||0|IMPORT_TYPE_9", "C:\\r.bin", "KW7PLD.CHM", 0, 9},
                      Shape{"", "", "KW7PLD.CHM", 0, 0}, Shape{"   ", "", "KW7PLD.CHM", 0, 0},
                      Shape{"|||", "", "KW7PLD.CHM", 0, 0}, Shape{"||||", "", "KW7PLD.CHM", 0, 0},
                      Shape{"   C:\\my files\\r.bin |h.chm| +2abc|IMPORT_TYPE_ 5x",
                            "C:\\my files\\r.bin ", "h.chm", 2, 5},
                      Shape{"r||x|IMPORT_TYPE_y", "r", "KW7PLD.CHM", 0, 0},
                      Shape{"r||-3|IMPORT_TYPE_-2", "r", "KW7PLD.CHM", -3, -2},
                      Shape{"r||99999999999|IMPORT_TYPE_99999999999", "r", "KW7PLD.CHM", INT_MAX,
                            INT_MAX},
                      Shape{"r||-99999999999|", "r", "KW7PLD.CHM", INT_MIN, 0},
                      Shape{"r||2|x|IMPORT_TYPE_4", "r", "KW7PLD.CHM", 2, 0},
                      Shape{"r||2|IMPORT_TYPE_4|more", "r", "KW7PLD.CHM", 2, 4}));

TEST(CommandLine, LongFieldsAreKeptWhole) {
    const std::string longPath = "C:\\" + std::string(400, 'p') + "\\result.bin";
    const std::string longHelp = std::string(300, 'h') + ".chm";
    const CommandLine parsed = ParseCommandLine(longPath + "|" + longHelp + "|0", kProgram);
    EXPECT_EQ(parsed.resultPath, longPath);
    EXPECT_EQ(parsed.helpFilePath, kFolder + longHelp);
}

TEST(CommandLine, ProgramWithoutFolderGivesBareHelpName) {
    EXPECT_EQ(ParseCommandLine("r", "importer.exe").helpFilePath, "KW7PLD.CHM");
}

TEST(ReadDecimal, BehavesAsAtoiWithoutOverflow) {
    EXPECT_EQ(ReadDecimal(" \t-42x"), -42);
    EXPECT_EQ(ReadDecimal("+7"), 7);
    EXPECT_EQ(ReadDecimal("- 7"), 0);
    EXPECT_EQ(ReadDecimal(""), 0);
    EXPECT_EQ(ReadDecimal("2147483647"), INT_MAX);
    EXPECT_EQ(ReadDecimal("2147483648"), INT_MAX);
    EXPECT_EQ(ReadDecimal("-2147483648"), INT_MIN);
    EXPECT_EQ(ReadDecimal(std::string(500, '9')), INT_MAX);
}

} // namespace
