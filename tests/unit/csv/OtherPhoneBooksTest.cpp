// Type 5 on the header words of other phone books: the rules where they meet odd input.
#include "CsvTestSupport.h"
#include "csv/ComposedName.h"
#include "csv/CsvReader.h"
#include "session/SourceFailures.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

TEST(ComposeName, AsciiPartsGivenFirstWithSpacesOthersFamilyFirst) {
    const struct {
        NameParts parts;
        std::size_t room;
        std::string name;
    } cases[] = {
        {{"Ann", "Mei", "Lee"}, 64, "Ann Mei Lee"},
        {{" Ann ", "", "  Lee"}, 64, "Ann Lee"},
        {{"志明", "", "林"}, 64, "林志明"},
        {{"大", "小", "王"}, 64, "王小大"},
        {{"John", "", "王"}, 64, "王John"}, // mixed scripts: family first, no space
        {{"", "", "Lee"}, 64, "Lee"},
        {{" ", "", ""}, 64, ""},
        {{"Ann", "", "Lee"}, 6, "Ann L"},
    };
    for (const auto& test : cases) {
        char name[64];
        const std::size_t length = ComposeName(test.parts, name, test.room);
        EXPECT_EQ(std::string(name), test.name);
        EXPECT_EQ(length, test.name.size());
    }
}

struct Outcome {
    int result;
    Texts entries; // the picker's source list
    int excluded;
};

Outcome ReadFound(const std::string& bytes) {
    TemporaryFolder folder;
    ScriptedCsvDialogs dialogs;
    SessionLists lists;
    int32_t excluded = -1;
    const int result = ReadCsvFile(folder.Write("book.csv", bytes), lists, excluded,
                                   kImportCsvFoundColumns, 0, dialogs);
    return {result, dialogs.sourceEntries, excluded};
}

TEST(OtherPhoneBooks, BadInputReadsAsAUserExpects) {
    const std::string longGiven = "一二三四五六七八九十甲乙丙丁戊";
    const struct {
        const char* what;
        std::string bytes;
        Outcome outcome;
    } cases[] = {
        {"the name word wins over other name words",
         Big5("姓名,名稱,傳真\nA,B,1\n"),
         {0, {"B [1]"}, 0}},
        {"header words trimmed and without case",
         " full name ,BUSINESS FAX\nA,1\n",
         {0, {"A [1]"}, 0}},
        {"the fax word wins over fax",
         "Name,Business Fax," + Big5("傳真") + "\nA,1,2\n",
         {0, {"A [2]"}, 0}},
        {"fax only at a character boundary",
         Big5("名稱,") + "\xA4\x46"
                         "ax\nA,1\n",
         {kNoFaxNumberFound, {}, -1}},
        {"whole name, composed name, company in turn",
         "Name,First Name,Last Name,Company,Fax\nA,Ann,Lee,Acme,1\n,Ann,Lee,Acme,2\n"
         " ,,,Acme,3\n,,,,4\n",
         {0, {"A [1]", "Ann Lee [2]", "Acme [3]", " [4]"}, 0}},
        {"a composed name cut at 30 bytes",
         "First Name,Last Name,Fax\nAlexandria Catherine,Montgomery,1\n",
         {0, {"Alexandria Catherine Montgomer [1]"}, 0}},
        {"a composed Chinese name cut on a character boundary",
         Big5("名字,姓氏,Fax\n" + longGiven + ",歐陽,2\n"),
         {0, {Big5("歐陽一二三四五六七八九十甲乙丙") + " [2]"}, 0}},
        {"given and family names of mixed scripts",
         Big5("名字,姓氏,Fax\nJohn,王,1\n"),
         {0, {Big5("王John") + " [1]"}, 0}},
        {"a phone value without its type",
         "Name,Phone 1 - Value\nA,1\n",
         {kNoFaxNumberFound, {}, -1}},
        {"list separators at the start and the end of a value",
         "Name,Phone 1 - Type,Phone 1 - Value\nA,Work Fax, ::: 02-1 ::: \nB,Mobile,03\n",
         {0, {"A [02-1]"}, 1}},
        {"carriage returns only", Big5("名稱,傳真\rA,1\rB,2"), {0, {"A [1]", "B [2]"}, 0}},
        {"CR LF with a lone carriage return inside a line",
         Big5("名稱,傳真\r\nA,1\rB,2\r\n"),
         {0, {"A [1B]"}, 0}},
        {"a number of two-byte characters only",
         Big5("名稱,傳真\nA,傳真\nB,1\n"),
         {0, {"A []", "B [1]"}, 1}},
    };
    for (const auto& test : cases) {
        const Outcome outcome = ReadFound(test.bytes);
        EXPECT_EQ(outcome.result, test.outcome.result) << test.what;
        EXPECT_EQ(outcome.entries, test.outcome.entries) << test.what;
        EXPECT_EQ(outcome.excluded, test.outcome.excluded) << test.what;
    }
}

} // namespace
