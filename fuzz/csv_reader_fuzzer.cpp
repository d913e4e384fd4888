// The CSV reader of import types 4 and 5 from a file's bytes, the column dialog played from the
// input. Input: the file, then (from the end) the import type, the code page and, for type 4, the
// number of button presses, each press (name or fax, list selection) and whether OK was pressed.
#include "FuzzSupport.h"
#include "csv/CsvReader.h"
#include "session/SourceFailures.h"
#include "text/ByteSearch.h"
#include "text/FieldHelpers.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <vector>

namespace {

// Presses the two buttons with list selections from the input, as a user would, and closes
// with OK only where the real dialog lets it.
class ScriptedCsvDialogs : public CsvDialogs {
  public:
    // Takes the presses from the input before the file's bytes are taken; none for type 5,
    // which shows no dialog.
    ScriptedCsvDialogs(FuzzedDataProvider& input, int importType) {
        if (importType != kImportCsvChosenColumns)
            return;
        const int presses = input.ConsumeIntegralInRange(0, 6);
        for (int press = 0; press < presses; ++press) {
            const bool name = input.ConsumeBool();
            presses_.push_back({name, input.ConsumeIntegralInRange(-1, 40)});
        }
        okPressed_ = input.ConsumeBool();
    }

    bool ChooseColumns(CsvColumnChoice& choice) override {
        FUZZ_REQUIRE(!choice.Title().empty());
        CheckChoice(choice);
        for (const Press& press : presses_) {
            if (press.name)
                choice.ToggleName(press.selection);
            else
                choice.ToggleFax(press.selection);
            CheckChoice(choice);
        }
        return okPressed_ && choice.RefusalOnOk() == nullptr;
    }

    bool PickRecipients(CsvRecipientPicker&) override {
        FUZZ_REQUIRE(false); // the reader stops before the picker
        return false;
    }

  private:
    struct Press {
        bool name;
        int selection;
    };

    static void CheckChoice(const CsvColumnChoice& choice) {
        const int count = static_cast<int>(choice.FieldCount());
        const int name = choice.NameColumn();
        const int fax = choice.FaxColumn();
        FUZZ_REQUIRE(name >= -1 && name < count);
        FUZZ_REQUIRE(fax >= -1 && fax < count);
        FUZZ_REQUIRE(name < 0 || name != fax);
        FUZZ_REQUIRE(choice.NameFieldText() && choice.FaxFieldText());
        FUZZ_REQUIRE(choice.NameButtonCaption() && choice.FaxButtonCaption());
        FUZZ_REQUIRE((choice.RefusalOnOk() == nullptr) == (fax >= 0));
        for (std::size_t column = 0; column < choice.FieldCount(); ++column)
            FUZZ_REQUIRE(choice.FieldText(column) != nullptr);
    }

    std::vector<Press> presses_;
    bool okPressed_ = false;
};

// Bounds on what the reader's candidate table is sized by, counted on the file's bytes so that the
// file is not converted a second time: every line feed, carriage return or colon of the converted
// text comes from a byte 0x0A, 0x0D or 0x3A of the file, in whichever encoding it was.
struct ConvertedCounts {
    std::size_t lineEnds = 0;
    std::size_t listSeparators = 0;
};

ConvertedCounts CountConverted(std::string_view bytes) {
    return {CountByte(bytes.data(), bytes.size(), '\n') +
                CountByte(bytes.data(), bytes.size(), '\r'),
            CountByte(bytes.data(), bytes.size(), ':')};
}

// At most one candidate per row and fax column, one fax column for type 4 and at most one per
// field for type 5, and one more per number that a phone value lists.
void CheckCandidates(const CsvCandidateTable& table, ConvertedCounts counts, int32_t excludedRows,
                     int importType) {
    const std::size_t rows = counts.lineEnds;
    FUZZ_REQUIRE(excludedRows >= 0 && static_cast<std::size_t>(excludedRows) <= rows);
    const std::size_t faxColumns = importType == kImportCsvChosenColumns ? 1 : kMaxCsvFields;
    FUZZ_REQUIRE(table.Size() <=
                 rows * faxColumns +
                     (importType == kImportCsvChosenColumns ? 0 : counts.listSeparators));
    bool anyNumber = false;
    for (const CsvCandidate& candidate : table.Candidates()) {
        FUZZ_REQUIRE(TerminatedWithin(candidate.name));
        FUZZ_REQUIRE(TerminatedWithin(candidate.faxNumber));
        const std::string_view name = candidate.name;
        const std::string_view faxNumber = candidate.faxNumber;
        FUZZ_REQUIRE(IsCleanFaxNumber(faxNumber));
        FUZZ_REQUIRE(name.empty() || name.front() != ' ');
        anyNumber = anyNumber || !faxNumber.empty();
        const EntryText entry(candidate);
        FUZZ_REQUIRE(entry.View() == std::string(name) + " [" + std::string(faxNumber) + "]");
        FUZZ_REQUIRE(std::strlen(entry.CStr()) == entry.View().size());
    }
    FUZZ_REQUIRE(anyNumber); // the reader succeeds only with a number
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const int importType = input.ConsumeBool() ? kImportCsvChosenColumns : kImportCsvFoundColumns;
    platform::SetAnsiCodePage(input.PickValueInArray(kAnsiCodePages));
    ScriptedCsvDialogs dialogs(input, importType);
    const std::string bytes = input.ConsumeRemainingBytesAsString();

    platform::FileBytes content = FileBytesOf(bytes);
    CsvCandidateTable table;
    int32_t excludedRows = -1;
    const int result =
        ParseCsvCandidates(content, "fuzz.csv", importType, dialogs, table, excludedRows);
    FUZZ_REQUIRE(result == 1 || result == 0 || IsSourceFailure(result));
    FUZZ_REQUIRE(result != 0 || importType == kImportCsvChosenColumns);
    FUZZ_REQUIRE(result != kNothingRead || bytes.size() <= 3); // empty, or a byte order mark
    if (result == 1)
        CheckCandidates(table, CountConverted(bytes), excludedRows, importType);
    return 0;
}
