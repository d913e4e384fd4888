// Reading whole EWS-CSV files: result codes, the header and title lines, the data loop and the
// picker run at the end.
#include "speeddial/SpeedDialReader.h"
#include "SpeedDialTestSupport.h"
#include "session/SourceFailures.h"
#include "text/FixedTexts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

namespace {

struct Reading {
    int result = 0;
    int32_t excluded = -99;
    SpeedDialState state;
    SessionLists lists;
};

Reading Read(std::string_view bytes) {
    TemporaryFile file(bytes);
    Reading reading;
    reading.result =
        ReadSpeedDialRecords(file.Path(), reading.lists, reading.excluded, reading.state);
    return reading;
}

std::vector<std::string> Names(const Reading& reading) {
    std::vector<std::string> names;
    for (const SpeedDialRecord& record : reading.state.speedDialTable.Records())
        names.emplace_back(MemberText(record.name));
    return names;
}

using Texts = std::vector<std::string>;

constexpr char kV1Titles[] = "NO,TYPE,NAME,MFFAX,MFSUB,MFMODE\n";

TEST(ReadSpeedDialRecords, FilesThatCannotBeReadGiveTheirCodes) {
    Reading reading;
    EXPECT_EQ(ReadSpeedDialRecords(::testing::TempDir() + "no-such-file.csv", reading.lists,
                                   reading.excluded, reading.state),
              kFileCannotOpen);
    EXPECT_EQ(
        ReadSpeedDialRecords(::testing::TempDir(), reading.lists, reading.excluded, reading.state),
        kFileCannotOpen);
    EXPECT_FALSE(reading.state.speedDialTable.Exists());
    EXPECT_EQ(Read("").result, kNothingRead);
}

TEST(ReadSpeedDialRecords, UnknownHeadersGiveMinusSevenAndLeaveTheVersionUnset) {
    for (const char* header : {"*,1,4,0\n", "*,1,1,3\n", "\xEF\xBB\xBF*,1,6,0\n", "x\n",
                               " \n*,1,0,0\n", "*,1,0\n", "1,X,123,Name\n"}) {
        const Reading reading = Read(std::string(header) + "1,X,123,Name\n");
        EXPECT_EQ(reading.result, kUnknownSpeedDialFormat) << header;
        EXPECT_EQ(reading.state.format.ewsFormatVersion, -1);
        EXPECT_EQ(reading.state.format.ewsFormatRevision, -1);
        EXPECT_FALSE(reading.state.speedDialTable.Exists());
    }
}

TEST(ReadSpeedDialRecords, VersionAndRevisionComeFromTheHeader) {
    const Reading v0 = Read("*,1,0,2\n1,X,123,A\n");
    EXPECT_EQ(v0.state.format.ewsFormatVersion, 0);
    EXPECT_EQ(v0.state.format.ewsFormatRevision, -1);
    const Reading v1 = Read(std::string(" *, 1 , 1 , 2 \n") + kV1Titles + "1,FAX,A,123\n");
    EXPECT_EQ(v1.state.format.ewsFormatVersion, -1) << "the first field is not trimmed";
    const Reading v2 = Read(std::string("*, 1 , 2 , 3 \n") + kV1Titles + "1,FAX,A,123\n");
    EXPECT_EQ(v2.result, 1);
    EXPECT_EQ(v2.state.format.ewsFormatVersion, 2);
    EXPECT_EQ(v2.state.format.ewsFormatRevision, 3);
    const Reading v3 = Read(std::string("*,1,3\n") + kV1Titles + "1,FAX,A,123\n");
    EXPECT_EQ(v3.result, 1);
    EXPECT_EQ(v3.state.format.ewsFormatRevision, 0);
}

TEST(ReadSpeedDialRecords, ByteOrderMarkWithQuotedAsteriskIsVersionSix) {
    const std::string check = "MTIz"; // "123"
    const std::string file = "\xEF\xBB\xBF\"*\",1,6,0\r\nNO,TYPE,NAME,MFFAX,MFENCSTR\r\n"
                             "1,FAX,A,123," +
                             check + "\r\n";
    const Reading reading = Read(file);
    EXPECT_EQ(reading.result, 1);
    EXPECT_EQ(reading.state.format.ewsFormatVersion, 6);
}

TEST(ReadSpeedDialRecords, EmptyLinesBeforeTheHeaderAreSkipped) {
    const Reading reading = Read("\n\r\n\n*,1,0,0\r\n1,X,123,A\r\n");
    EXPECT_EQ(reading.result, 1);
    EXPECT_EQ(reading.excluded, 0);
}

TEST(ReadSpeedDialRecords, AHeaderOnTheLastLineLeavesAnEmptyTable) {
    for (const char* file : {"*,1,1,0", "\n\n*,1,2,0", "*,1,0,0", "*,1,1,0\n"}) {
        const Reading reading = Read(file);
        EXPECT_EQ(reading.result, kNoFaxNumberFound) << file;
        EXPECT_TRUE(reading.state.speedDialTable.Exists());
        EXPECT_EQ(reading.state.speedDialTable.Size(), 0u);
        EXPECT_EQ(reading.excluded, 0);
    }
}

TEST(ReadSpeedDialRecords, TitleLinesWithoutAFaxColumnYieldNoRecord) {
    const char* titleLines[] = {
        "NO,TYPE,NAME,FAX,MFSUB\n",
        "\"NO\",\"TYPE\",\"NAME\",\"MFFAX\",\"MFSUB\"\n",
        "NO,TYPE,NAME,MFFAX\n",
    };
    for (const char* titles : titleLines) {
        const Reading reading = Read(std::string("*,1,1,0\n") + titles + "1,FAX,A,123,x\n");
        EXPECT_EQ(reading.result, kNoFaxNumberFound) << titles;
        EXPECT_EQ(reading.excluded, 0);
        EXPECT_TRUE(reading.state.speedDialTable.Exists());
    }
}

TEST(ReadSpeedDialRecords, VersionsFiveAndSixNeedAnExactCheckColumnTitleFirst) {
    const std::string line = "1,FAX,A,123,MTIz\n";
    EXPECT_EQ(Read("*,1,5,0\nNO,TYPE,NAME,MFFAX,MFENCSTR\n" + line).result, 1);
    EXPECT_EQ(Read("*,1,5,0\nNO,TYPE,NAME,MFFAX,MFENCSTR,X\n" + line).result, 1);
    EXPECT_EQ(Read("*,1,5,0\nNO,TYPE,NAME,MFFAX,CHECK\n" + line).result, kNoFaxNumberFound);
    EXPECT_EQ(Read("*,1,6,0\nNO,TYPE,NAME,MFFAX,MFENCSTR2,MFENCSTR\n" + line).result,
              kNoFaxNumberFound);
    EXPECT_EQ(Read("*,1,3,0\nNO,TYPE,NAME,MFFAX,CHECK\n" + line).result, 1); // not needed
}

TEST(ReadSpeedDialRecords, TheEndMarkerIsALineOfTheSingleFieldAsterisk) {
    const Reading reading = Read("*,1,0,0\n1,X,1,A\n*,X,2,B\n* \n\n*\n3,X,3,C\n");
    EXPECT_EQ(reading.result, 2);
    EXPECT_EQ(Names(reading), (Texts{"A", "B"}));
    EXPECT_EQ(reading.excluded, 1); // "* " is a data line without a fax number

    EXPECT_EQ(Read("*,1,0,0\n*\n1,X,1,A\n").result, kNoFaxNumberFound);
    EXPECT_EQ(Read("*,1,0,0\n\"*\"\n1,X,1,A\n").result, kNoFaxNumberFound);
}

TEST(ReadSpeedDialRecords, LineEndsDoNotChangeTheResult) {
    const std::string lf =
        std::string("*,1,1,1\n") + kV1Titles + "1,FAX,A,02-1,,1\n\n2,FAX,B,02-2,,2\n3,MAIL,C,x\n";
    std::string crlf;
    for (const char byte : lf)
        crlf += byte == '\n' ? std::string("\r\n") : std::string(1, byte);
    const Reading a = Read(lf);
    const Reading b = Read(crlf);
    ASSERT_EQ(a.result, 2);
    ASSERT_EQ(b.result, 2);
    EXPECT_EQ(a.excluded, 1);
    EXPECT_EQ(b.excluded, 1);
    for (std::size_t record = 0; record < 2; ++record) {
        ExpectSameRecord(b.state.speedDialTable[record], a.state.speedDialTable[record]);
        EXPECT_EQ(EntriesAt(b.lists, record), EntriesAt(a.lists, record));
    }
}

TEST(ReadSpeedDialRecords, TheLastLineIsReadOnlyWhenALineFeedEndsIt) {
    EXPECT_EQ(Names(Read("*,1,0,0\n1,X,1,A\n2,X,2,B")), (Texts{"A"}));
    EXPECT_EQ(Names(Read("*,1,0,0\n1,X,1,A\n2,X,2,B\n")), (Texts{"A", "B"}));
    EXPECT_EQ(Names(Read("*,1,0,0\n1,X,1,A\r2,X,2,B\r\n")), (Texts{"A\r2"}));
}

TEST(ReadSpeedDialRecords, RejectedLinesAreCountedAndEmptyLinesAreNot) {
    const Reading reading =
        Read(std::string("*,1,2,0\n") + kV1Titles +
             "1,FAX,A,123\n\n2,fax,B,123\n3, FAX,C,123\n4\n,FAX,E,123\n6,FAX,F,\n7,FAX,G,1\n");
    EXPECT_EQ(reading.result, 2);
    EXPECT_EQ(Names(reading), (Texts{"A", "G"}));
    EXPECT_EQ(reading.excluded, 5);
    EXPECT_EQ(reading.lists.pickedRecords.Size(), 2u);
    EXPECT_EQ(reading.lists.relayTexts.Size(), 2u);
}

TEST(ReadSpeedDialRecords, ZeroBytesEndTheLineTheyAreIn) {
    constexpr char kBytes[] = "*,1,0,0\n1,X,123,Na\0me,,2\n\0,X,2,B\n2,X,456,C\n";
    const std::string file(kBytes, sizeof kBytes - 1);
    const Reading reading = Read(file);
    EXPECT_EQ(reading.result, 2);
    EXPECT_EQ(Names(reading), (Texts{"Na", "C"}));
    EXPECT_EQ(reading.lists.modeTexts.At(0), "");
    EXPECT_EQ(reading.excluded, 0);
}

TEST(ReadSpeedDialRecords, LinesWithAnUnclosedQuoteAreReadWithTheirFields) {
    const Reading reading =
        Read(std::string("*,1,1,0\n") + kV1Titles + "1,FAX,\"Chen,02-1,,1\n2,FAX,Lin,02-2,\"x,1\n");
    EXPECT_EQ(reading.result, 1);
    EXPECT_EQ(Names(reading), (Texts{"Lin"}));
    EXPECT_EQ(reading.lists.modeTexts.At(0), "");
    EXPECT_EQ(reading.excluded, 1);
}

TEST(ReadSpeedDialRecords, LinesOfMoreThan1024FieldsAreRead) {
    const std::string v0 = "*,1,0,0\n1,X,123,A" + std::string(1100, ',') + "\n";
    EXPECT_EQ(Read(v0).result, 1);

    std::string titles = "NO,TYPE,NAME" + std::string(1100, ',') + "MFFAX,\n";
    const Reading far = Read("*,1,1,0\n" + titles + "1,FAX,A" + std::string(1100, ',') + "123\n");
    EXPECT_EQ(far.result, kNoFaxNumberFound); // no split line reaches that column
    EXPECT_EQ(far.excluded, 1);
}

TEST(ReadSpeedDialRecords, RecordsFillTheTableInFileOrder) {
    std::string file = "*,1,0,0\n";
    for (int i = 0; i < 500; ++i)
        file += std::to_string(i) + (i % 3 == 0 ? ",Z," : ",X,") + std::to_string(1000 + i) + ",N" +
                std::to_string(i) + "\n";
    const Reading reading = Read(file);
    ASSERT_EQ(reading.result, 333);
    EXPECT_EQ(reading.excluded, 167);
    EXPECT_EQ(MemberText(reading.state.speedDialTable[0].name), "N1");
    EXPECT_EQ(MemberText(reading.state.speedDialTable[332].name), "N499");
    EXPECT_EQ(reading.lists.pickedRecords.At(332), "499");
}

TEST(ReadSpeedDialRecords, ASecondFileReplacesTheTable) {
    TemporaryFile first("*,1,0,0\n1,X,1,A\n2,X,2,B\n");
    TemporaryFile second("*,1,0,0\n1,X,1,C\n");
    SpeedDialState state;
    SessionLists lists;
    int32_t excluded = 0;
    EXPECT_EQ(ReadSpeedDialRecords(first.Path(), lists, excluded, state), 2);
    SessionLists again;
    EXPECT_EQ(ReadSpeedDialRecords(second.Path(), again, excluded, state), 1);
    ASSERT_EQ(state.speedDialTable.Size(), 1u);
    EXPECT_EQ(MemberText(state.speedDialTable[0].name), "C");
}

constexpr char kThreeEntries[] = "*,1,0,0\n10,X,10,Ten\n2,X,2,Two\n1,X,1,One\n";

Texts Entries(const StringList& list) {
    return Texts(list.begin(), list.end());
}

TEST(ParseSpeedDialRecords, BytesAlreadyReadGiveWhatTheirFileGives) {
    const std::string bytes = std::string("*,1,1,1\r\n") + kV1Titles +
                              "1,FAX,Alice,02 2345 0001\r\n"
                              "2,MAIL,Bob,bob@example.com\r\n"
                              "3,FAX,Carol,03-456-0002\r\n";
    const Reading fromFile = Read(bytes);

    Reading fromBytes;
    platform::FileBytes file;
    file.data = std::make_unique<char[]>(bytes.size() + 1);
    std::copy(bytes.begin(), bytes.end(), file.data.get());
    file.size = bytes.size();
    fromBytes.result =
        ParseSpeedDialRecords(file, fromBytes.lists, fromBytes.excluded, fromBytes.state);

    EXPECT_EQ(fromBytes.result, 2);
    EXPECT_EQ(fromBytes.result, fromFile.result);
    EXPECT_EQ(fromBytes.excluded, 1);
    EXPECT_EQ(fromBytes.excluded, fromFile.excluded);
    EXPECT_EQ(Names(fromBytes), (Texts{"Alice", "Carol"}));
    EXPECT_EQ(Names(fromBytes), Names(fromFile));
    EXPECT_EQ(fromBytes.state.format.ewsFormatVersion, 1);

    platform::FileBytes empty;
    empty.data = std::make_unique<char[]>(1);
    Reading nothing;
    EXPECT_EQ(ParseSpeedDialRecords(empty, nothing.lists, nothing.excluded, nothing.state),
              kNothingRead);
}

TEST(ImportSpeedDialFile, ThePickerGetsTheAcceptedRecordsAndItsOkGivesTheCount) {
    TemporaryFile file(kThreeEntries);
    ScriptedSpeedDialDialogs dialogs;
    dialogs.script = PickRecords({1, 0});
    SessionLists lists;
    int32_t excluded = -1;
    SpeedDialState state;
    EXPECT_EQ(ImportSpeedDialFile(file.Path(), lists, excluded, 0, state, dialogs), 2);
    EXPECT_EQ(excluded, 0);
    EXPECT_EQ(dialogs.runs, 1);
    EXPECT_EQ(dialogs.title, texts::kSpeedDialImportCaption + (" - " + file.Path()));
    EXPECT_EQ(dialogs.sourceTexts, (Texts{"1", "10", "2"}));
    EXPECT_EQ(dialogs.sourceRecords, (std::vector<int>{2, 0, 1}));
    EXPECT_EQ(lists.count, 2);
    EXPECT_EQ(Entries(lists.recipients), (Texts{"Two [2]", "Ten [10]"}));
    EXPECT_EQ(Entries(lists.pickedRecords), (Texts{"1", "0"}));
    EXPECT_EQ(Entries(lists.modeTexts), (Texts{"", "", ""})); // still one per record
    EXPECT_EQ(state.speedDialTable.Size(), 3u);
}

TEST(ImportSpeedDialFile, CancelOrAnEmptyPickGivesZero) {
    TemporaryFile file(kThreeEntries);
    for (const bool ok : {false, true}) {
        ScriptedSpeedDialDialogs dialogs;
        dialogs.script = [ok](SpeedDialPicker& picker) {
            RecordingPickerView view;
            const int first[] = {0};
            if (!ok)
                picker.AddPicks(first, view);
            return ok;
        };
        SessionLists lists;
        int32_t excluded = 0;
        SpeedDialState state;
        EXPECT_EQ(ImportSpeedDialFile(file.Path(), lists, excluded, 0, state, dialogs), 0);
        EXPECT_EQ(lists.count, 0);
        EXPECT_TRUE(lists.recipients.Empty());
        EXPECT_EQ(lists.pickedRecords.Size(), ok ? 0u : 3u);
        EXPECT_TRUE(state.speedDialTable.Exists());
    }
}

TEST(ImportSpeedDialFile, FailuresDoNotRunThePicker) {
    TemporaryFile file("*,1,0,0\n1,Z,1,A\n");
    ScriptedSpeedDialDialogs dialogs;
    SessionLists lists;
    int32_t excluded = 0;
    SpeedDialState state;
    EXPECT_EQ(ImportSpeedDialFile(file.Path(), lists, excluded, 0, state, dialogs),
              kNoFaxNumberFound);
    EXPECT_EQ(excluded, 1);
    EXPECT_EQ(dialogs.runs, 0);
    EXPECT_EQ(lists.count, 0);
}

TEST(ImportSpeedDialFile, TheOptionFlagsReachThePicker) {
    TemporaryFile file(kThreeEntries);
    ScriptedSpeedDialDialogs dialogs;
    dialogs.script = [](SpeedDialPicker& picker) {
        RecordingPickerView view;
        const int two[] = {0, 1};
        EXPECT_EQ(picker.AddPicks(two, view), 0);
        EXPECT_EQ(view.warnings, (Texts{texts::kSingleRecipientOnly}));
        const int one[] = {1};
        EXPECT_EQ(picker.AddPicks(one, view), 1);
        return true;
    };
    SessionLists lists;
    int32_t excluded = 0;
    SpeedDialState state;
    EXPECT_EQ(
        ImportSpeedDialFile(file.Path(), lists, excluded, kSingleRecipientOption, state, dialogs),
        1);
    EXPECT_EQ(Entries(lists.recipients), (Texts{"Ten [10]"}));
}

} // namespace
