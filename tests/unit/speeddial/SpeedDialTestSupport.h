// Helpers of the speed-dial tests: files in the temporary folder, Big5 texts written readably,
// expected records, and scripted dialogs.
#pragma once

#include "session/SessionLists.h"
#include "speeddial/EwsFormat.h"
#include "speeddial/SpeedDialDialogs.h"
#include "speeddial/SpeedDialPicker.h"
#include "speeddial/SpeedDialRecord.h"
#include "speeddial/SpeedDialState.h"
#include "speeddial/SpeedDialWriter.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// A file holding `bytes`, removed again when the object goes.
class TemporaryFile {
  public:
    explicit TemporaryFile(std::string_view bytes);
    ~TemporaryFile();
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    const std::string& Path() const { return path_; }

  private:
    std::string path_;
};

// The Big5 (code page 950) bytes of a UTF-8 text.
std::string Big5(std::string_view utf8);

// The Base64 of a text, and the masked form (Base64 rotated with ROT13) the files use.
std::string Base64(std::string_view text);
std::string Masked(std::string_view text);

// A record as recordTemplate with the members a test names.
class RecordBuilder {
  public:
    RecordBuilder();
    RecordBuilder& Name(std::string_view text);
    RecordBuilder& FaxNumber(std::string_view text);
    RecordBuilder& CommMode(int32_t mode);
    RecordBuilder& TransmitType(char type);
    RecordBuilder& Box(std::string_view text);
    RecordBuilder& Password(std::string_view text);
    RecordBuilder& Station(std::string_view text);
    RecordBuilder& Option(char option);
    // Three bytes each; also sets the count.
    RecordBuilder& Targets(std::initializer_list<std::string_view> codes);
    RecordBuilder& SpeedDialNumber(int32_t number);
    RecordBuilder& Subaddress(std::string_view text);
    RecordBuilder& FCodePassword(std::string_view text);
    const SpeedDialRecord& Build() const { return record_; }
    operator const SpeedDialRecord&() const { return record_; }

  private:
    SpeedDialRecord record_;
};

// Checks every member, reserved bytes included, byte for byte, and names the ones that differ.
void ExpectSameRecord(const SpeedDialRecord& actual, const SpeedDialRecord& expected,
                      const std::string& context = {});

// The five per-record lists of an entry, in the order EntryTexts lists them.
struct ListEntries {
    std::string speedDialNumber;
    std::string confidential;
    std::string relay;
    std::string fcode;
    std::string mode;
    bool operator==(const ListEntries&) const = default;
};
ListEntries EntriesAt(const SessionLists& lists, std::size_t record);
void PrintTo(const ListEntries& entries, std::ostream* out);

// A picker dialog that runs a script on the picker and records what it showed.
class ScriptedSpeedDialDialogs : public SpeedDialDialogs {
  public:
    // The script returns true for OK.
    std::function<bool(SpeedDialPicker&)> script = [](SpeedDialPicker&) { return true; };
    int runs = 0;
    std::string title;
    std::vector<std::string> sourceTexts;
    std::vector<int> sourceRecords;

    bool PickRecipients(SpeedDialPicker& picker) override;
};

// A script that adds every source entry in list order and confirms.
std::function<bool(SpeedDialPicker&)> PickEveryEntry();
// A script that adds the entries of these records, one at a time, and confirms.
std::function<bool(SpeedDialPicker&)> PickRecords(std::vector<int> records);

// The picker's view: records warnings and questions, answers from a queue (Yes when empty) and
// mirrors the picked list as a list box would.
class RecordingPickerView : public SpeedDialPickerView {
  public:
    std::vector<std::string> warnings;
    std::vector<std::string> questions;
    std::deque<bool> answers;
    std::vector<std::string> listTexts;
    std::vector<int> listRecords;

    void ShowWarning(const char* text) override { warnings.emplace_back(text); }
    bool AskReplace(const std::string& question) override;
    void RemovePicked(int position) override;
    bool AppendPicked(const std::string& text, int record) override;

    int listRoom = -1; // how many more entries the list box takes; -1 without end
};

// The memo question with a scripted answer.
class ScriptedMemoQuestion : public SpeedDialMemoQuestion {
  public:
    bool limitChild = false;
    bool answer = false;
    int asked = 0;

    bool HostHasLimitChild() override { return limitChild; }
    bool AskKeepNumbersAsMemo() override {
        ++asked;
        return answer;
    }
};
