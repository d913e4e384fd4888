// The vCard reader on awkward and broken cards: what each gives, in the CSV reader's terms.
#include "VCardBooks.h"
#include "csv/CsvReader.h"
#include "csv/CsvTestSupport.h"
#include "session/SourceFailures.h"
#include "vcard/VCardDetection.h"
#include "vcard/VCardProperty.h"

#include <gtest/gtest.h>

namespace {

using Texts = std::vector<std::string>;

std::string Card(const std::string& lines) {
    return "BEGIN:VCARD\r\nVERSION:3.0\r\n" + lines + "END:VCARD\r\n";
}

std::string ManyCards(int count) {
    std::string cards;
    for (int i = 0; i < count; ++i)
        cards += Card("FN:Person " + std::to_string(i) + "\r\nTEL;TYPE=FAX:02-" +
                      std::to_string(10000000 + i) + "\r\n");
    return cards;
}

struct ReadCase {
    const char* name;
    std::string bytes;
    int result;
    Texts entries; // "name [fax]" in UTF-8; only the first and the last for a long list
    int excluded = 0;
    std::size_t count = 0; // candidates when more than the entries listed
};

void PrintTo(const ReadCase& readCase, std::ostream* out) {
    *out << readCase.name;
}

std::vector<ReadCase> ReadCases() {
    const std::string fax = "TEL;TYPE=FAX:02-1234\r\n";
    return {
        {"CardWithoutEnd",
         Card("FN:A\r\n" + fax) + "BEGIN:VCARD\r\nFN:B\r\n" + fax,
         kInvalidCsvData,
         {}},
        {"NoCardHasAFax",
         Card("FN:A\r\nTEL;TYPE=CELL:0912\r\n") + Card("FN:B\r\n"),
         kNoFaxNumberFound,
         {}},
        {"TelWithoutValue",
         Card("FN:A\r\nTEL;TYPE=FAX:\r\nTEL;TYPE=FAX\r\n") + Card("FN:B\r\n" + fax),
         1,
         {"B [02-1234]"},
         1},
        {"TenMegabytePhoto",
         Card("FN:A\r\n" +
              vcard_books::Folded("PHOTO;ENCODING=b;TYPE=JPEG:" + std::string(10'000'000, 'Q')) +
              fax),
         1,
         {"A [02-1234]"}},
        {"NestedAgentCards",
         "BEGIN:VCARD\r\nVERSION:2.1\r\nFN:Boss\r\nAGENT:\r\nBEGIN:VCARD\r\nFN:Agent\r\n"
         "TEL;FAX:09\r\nAGENT:BEGIN:VCARD\r\nFN:Deeper\r\nTEL;FAX:08\r\nEND:VCARD\r\n"
         "END:VCARD\r\nTEL;WORK;FAX:02-1234\r\nEND:VCARD\r\n" +
             Card("FN:C\r\n"),
         1,
         {"Boss [02-1234]"},
         1},
        {"InvalidQuotedPrintableStaysAsWritten",
         Card("FN;ENCODING=QUOTED-PRINTABLE:A=ZZ=4=41\r\n" + fax),
         1,
         {"A=ZZ=4A [02-1234]"}},
        {"QuotedPrintableSoftBreakInsideACharacter",
         Card("FN;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=E9=99=\r\n=B3=E5=A4=A7\r\n" + fax),
         1,
         {"陳大 [02-1234]"}},
        {"InvalidUtf8IsADefaultCharacter", Card("FN:A\xC3(\r\n" + fax), 1, {"A?( [02-1234]"}},
        {"Big5WithoutCharsetStaysBig5",
         Card("FN:" + Big5("王大明") + "\r\n" + fax),
         1,
         {"王大明 [02-1234]"}},
        {"UnknownCharsetReadsAsUtf8",
         Card("FN;CHARSET=X-MAC-TRAD:陳大同\r\n" + fax),
         1,
         {"陳大同 [02-1234]"}},
        {"FoldInsideACharacter",
         Card("FN:Chen \xE9\x99\r\n \xB3\r\n" + fax),
         1,
         {"Chen 陳 [02-1234]"}},
        {"EscapesAndLineBreaks",
         Card("FN:A\\, B\\;C\\\\D\\nE\r\n" + fax),
         1,
         {"A, B;C\\D E [02-1234]"}},
        {"NameOrder",
         Card("ORG:Org;Dept\r\n" + fax) + Card("N:Lee;Ann;;;\r\nORG:Org\r\n" + fax),
         1,
         {"Org [02-1234]", "Ann Lee [02-1234]"}},
        {"NumberLongerThanARecord",
         Card("FN:A\r\nTEL;TYPE=FAX:" + std::string(31, '1') + "\r\n"),
         kNoFaxNumberFound,
         {}},
        {"LowerCaseAndCarriageReturns",
         "begin:vcard\rfn:a\rtel;type=fax:1\rend:vcard\r",
         1,
         {"a [1]"}},
        {"StrayLinesOutsideCards",
         Card("FN:A\r\n" + fax) + "TEL;TYPE=FAX:9\r\nEND:VCARD\r\n",
         1,
         {"A [02-1234]"}},
        {"HundredThousandCards",
         ManyCards(100'000),
         1,
         {"Person 0 [02-10000000]", "Person 99999 [02-10099999]"},
         0,
         100'000},
    };
}

class VCardReadTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(VCardReadTest, GivesItsCandidatesOrItsFailure) {
    const ReadCase& expected = GetParam();
    TemporaryFolder folder;
    ScriptedCsvDialogs dialogs;
    CsvCandidateTable table;
    int32_t excluded = -99;
    EXPECT_EQ(ReadCsvCandidates(folder.Write("cards.vcf", expected.bytes), kImportCsvFoundColumns,
                                dialogs, table, excluded),
              expected.result);
    if (expected.result != 1)
        return;
    Texts entries;
    for (const CsvCandidate& candidate : table.Candidates())
        entries.emplace_back(EntryText(candidate).View());
    Texts wanted;
    for (const std::string& entry : expected.entries)
        wanted.push_back(Big5(entry));
    if (expected.count > 0) {
        ASSERT_EQ(entries.size(), expected.count);
        entries = {entries.front(), entries.back()};
    }
    EXPECT_EQ(entries, wanted);
    EXPECT_EQ(excluded, expected.excluded);
    EXPECT_EQ(dialogs.columnDialogRuns, 0);
}

INSTANTIATE_TEST_SUITE_P(Cards, VCardReadTest, ::testing::ValuesIn(ReadCases()),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(VCardDetection, OnlyAFirstLineOfBeginVcardMakesAVCardFile) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"BEGIN:VCARD\r\n", true},    {"\xEF\xBB\xBF\r\n\nBegin:vCard\n", true},
        {"begin:vcard", true},        {" BEGIN:VCARD\r\n", false},
        {"BEGIN:VCARD,x\r\n", false}, {"Name,Fax\r\nBEGIN:VCARD\r\n", false},
        {"BEGIN:VCAR\r\n", false},    {"", false},
    };
    for (const auto& [bytes, vcard] : cases)
        EXPECT_EQ(IsVCardContent(bytes.data(), bytes.size()), vcard) << bytes;
}

TEST(VCardProperty, FaxTypesInEveryVersionsForm) {
    const std::vector<std::pair<std::string, bool>> cases = {
        {"TEL;TYPE=FAX:1", true},
        {"TEL;TYPE=WORK,FAX:1", true},
        {"TEL;TYPE=\"work,fax\":1", true},
        {"TEL;WORK;FAX:1", true},
        {"TEL;type=pref;type=fax:1", true},
        {"item2.TEL;Type=Fax:1", true},
        {"TEL;TYPE=FAXES:1", false},
        {"TEL;X-FAX=1:1", false},
        {"TEL:FAX", false},
        {"TEL;TYPE=\"a:b\";FAX:1", true},
    };
    for (const auto& [line, fax] : cases) {
        const VCardProperty property = ParseProperty(line);
        EXPECT_TRUE(property.valid) << line;
        EXPECT_EQ(HasType(property, "FAX"), fax) << line;
    }
}

} // namespace
