// What the speed-dial picker decides: the sorted source list of speed-dial numbers, the typed
// number search, adding under the single-recipient restriction and the limit (with the
// question before an equal entry is replaced), deleting, the details of one entry, OK and
// Cancel. The dialog mirrors this state in its two list boxes and forwards the user's actions.
#pragma once

#include "session/SessionLists.h"
#include "speeddial/SpeedDialDetail.h"
#include "speeddial/SpeedDialRecord.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

inline constexpr char kSpeedDialHelpTopic[] = "/html/id_help_ewsinfo.htm";
// The number field takes at most this many characters.
inline constexpr int kTypedNumberLimit = 4;

// What the picker needs of its dialog while entries are added or inspected. Every message box
// is owned by the dialog and has the caption texts::kSpeedDialImportCaption.
class SpeedDialPickerView {
  public:
    virtual ~SpeedDialPickerView() = default;

    // A warning (OK button, warning icon).
    virtual void ShowWarning(const char* text) = 0;
    // The replace question (Yes and No, question icon); true for Yes.
    virtual bool AskReplace(const std::string& question) = 0;
    // The picked list changed: mirror each change in the list box as it comes. False when the
    // list box cannot take the entry; the picker then takes the pick back.
    virtual void RemovePicked(int position) = 0;
    virtual bool AppendPicked(const std::string& text, int record) = 0;
};

class SpeedDialPicker {
  public:
    // Takes the number of records from `count` of `lists` (then 0 while the user picks) and
    // their speed-dial numbers from `pickedRecords`. `table` must outlive the picker.
    SpeedDialPicker(std::string sourcePath, std::span<const SpeedDialRecord> table,
                    SessionLists& lists, int optionFlags);

    // "匯入短縮撥號CSV - path"
    std::string Title() const;

    // The source list, sorted by its texts as a sorted list box files them (letters in any
    // case alike, equal texts in record order), so 1, 2 and 10 come as 1, 10, 2. Fill the list
    // box in this order; an entry's item data is its record.
    int SourceCount() const { return static_cast<int>(source_.size()); }
    const std::string& SourceText(int position) const { return Entry(position).text; }
    int SourceRecord(int position) const { return Entry(position).record; }
    // The position of a record's entry, or -1 for a number that names no record.
    int SourcePosition(int record) const;

    // The picked list, in the order entries were added; the text is "number\tname [fax]".
    int PickedCount() const { return static_cast<int>(picked_.size()); }
    std::string PickedText(int position) const;
    int PickedRecord(int position) const { return picked_[static_cast<std::size_t>(position)]; }

    // The number field changed: the source entry to select alone and scroll to the top, or -1
    // to leave the list as it is. Only the first 4 bytes of `typed` count. The search starts at
    // `firstSelected` (-1: none, from the top), wraps around and matches the start of an
    // entry in any letter case.
    int FindTypedNumber(std::string_view typed, int firstSelected) const;

    // Button 1001 or a double-click in the source list. `readSelection` fills the room given
    // to it with the selected source positions in ascending order. Returns the number of
    // entries appended. When memory runs out, the view shows texts::kNoMemoryForPicks and the
    // entries added before stay.
    int AddPicks(std::size_t selectedCount,
                 const std::function<void(std::span<int>)>& readSelection,
                 SpeedDialPickerView& view);
    int AddPicks(std::span<const int> selected, SpeedDialPickerView& view);

    // Button 1049 or the Delete key in the picked list: removes the selected picked entries.
    // False when nothing was selected (the key is left to the list box). The list box removes
    // the same entries, from the highest position down.
    bool DeletePicked(std::span<const int> selected);

    // Button 1050: the details of the one selected source entry, for the detail dialog; with
    // none or several selected, a warning and nothing.
    std::optional<SpeedDialDetail> ShowDetails(std::span<const int> selected,
                                               SpeedDialPickerView& view) const;

    // OK: `pickedRecords` becomes the picked record indexes, `recipients` gets "name [fax]"
    // of each picked record and `count` their number, which is returned.
    int Confirm();
    // Cancel: `count` 0 and `recipients` emptied; `pickedRecords` stays.
    void Cancel();

  private:
    struct SourceEntry {
        std::string text;
        int record;
    };

    const SourceEntry& Entry(int position) const {
        return source_[static_cast<std::size_t>(position)];
    }
    const SpeedDialRecord& Record(int record) const {
        return table_[static_cast<std::size_t>(record)];
    }
    bool AtLimit() const;
    // Under the single-recipient restriction: whether the selection may be added at all.
    bool RestrictionAllows(std::size_t selectedCount,
                           const std::function<void(std::span<int>)>& readSelection,
                           SpeedDialPickerView& view) const;
    bool IsRelayEntry(int record) const;
    // Appends the record unless it is picked already or an equal one stays. When memory runs
    // out, throws and changes nothing; when the list box cannot take the entry, throws and
    // leaves the record unpicked (an equal entry that it replaced stays removed).
    int AddOne(int position, SpeedDialPickerView& view);
    std::string ListText(int record) const;

    // The name and fax number of a record, as the equal-entry test compares them.
    struct RecipientKey {
        std::string_view name;
        std::string_view faxNumber;
        bool operator==(const RecipientKey&) const = default;
    };
    struct RecipientKeyHash {
        std::size_t operator()(const RecipientKey& key) const;
    };
    RecipientKey KeyOf(int record) const;
    // Takes the record off the picked marks; the caller removes it from picked_.
    void Unpick(int record);

    std::string sourcePath_;
    std::span<const SpeedDialRecord> table_;
    SessionLists& lists_;
    int optionFlags_;
    std::vector<SourceEntry> source_;
    std::vector<int> positions_;       // by record
    std::vector<std::string> numbers_; // by record
    std::vector<int> picked_;          // records, in list order
    // Kept beside picked_ so that adding stays fast for large lists: which records are
    // picked, and the picked record of each name and fax number (never more than one).
    std::vector<char> isPicked_;
    std::unordered_map<RecipientKey, int, RecipientKeyHash> pickedRecipients_;
};
