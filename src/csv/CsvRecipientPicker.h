// What the CSV recipient picker decides: the entries of both lists, the typed-name search,
// adding under the single-recipient restriction and the limit, deleting, OK and Cancel. The
// dialog mirrors this state in its two list boxes and forwards the user's actions here.
#pragma once

#include "csv/CsvCandidate.h"
#include "session/SessionLists.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

inline constexpr char kCsvHelpTopic[] = "/html/id_help_csvinfo.htm";

class CsvRecipientPicker {
  public:
    // Sets `count` of `lists` to 0 while the user picks. `candidates` must outlive the picker.
    CsvRecipientPicker(std::string sourcePath, std::span<const CsvCandidate> candidates,
                       SessionLists& lists, int optionFlags);

    // "CSV匯入 - path"
    std::string Title() const;

    // The source list: one entry per candidate in table order, so an entry's position is its
    // candidate's index (the entry's item data).
    int SourceCount() const { return static_cast<int>(candidates_.size()); }
    EntryText SourceText(int entry) const { return EntryText(Candidate(entry)); }

    // The picked list, in the order entries were added.
    int PickedCount() const { return static_cast<int>(picked_.size()); }
    EntryText PickedText(int entry) const { return EntryText(Candidate(PickedCandidate(entry))); }
    int PickedCandidate(int entry) const { return picked_[static_cast<std::size_t>(entry)]; }

    // The search field changed: the source entry to select alone and scroll to the top, or -1
    // to leave the list as it is. The search starts at `firstSelected` (-1: none, from the top),
    // wraps around, and matches the start of an entry in any letter case. An empty text
    // matches the starting entry.
    int FindTypedName(std::string_view typed, int firstSelected) const;

    struct AddOutcome {
        int added = 0;
        const char* message = nullptr; // a warning to show (caption "CSV匯入"), or none
    };
    // Button 1001 or a double-click: adds the selected source entries to the end of the picked
    // list. `readSelection` fills the room given to it with the candidate indexes of the
    // selected entries, in the list's order (-1 for an entry that names none); it is called
    // only once the selection may be added. Entries with an empty number
    // and entries whose name and number are already picked are skipped silently. The new
    // entries are the last `added` ones of the picked list. When memory runs out, the message
    // is texts::kNoMemoryForPicks and the entries added before stay.
    AddOutcome AddPicks(std::size_t selectedCount,
                        const std::function<void(std::span<int>)>& readSelection);
    AddOutcome AddPicks(std::span<const int> selected);

    // Button 1049 or the Delete key in the picked list: removes the selected picked entries.
    // False when nothing was selected (the key is left to the list box). The list box removes
    // the same entries, from the highest position down.
    bool DeletePicked(std::span<const int> selected);

    // Takes back the last `count` picks, which the picked list box could not take.
    void DropLastPicked(int count);

    // OK: `count` becomes the number of picked entries and their texts are appended to
    // `recipients`. Returns `count`.
    int Confirm();
    // Cancel: `count` 0 and `recipients` emptied.
    void Cancel();

  private:
    const CsvCandidate& Candidate(int index) const {
        return candidates_[static_cast<std::size_t>(index)];
    }
    bool AtLimit() const;

    // Candidate indexes, equal when their name and number are.
    struct SameRecipientHash {
        std::span<const CsvCandidate> candidates;
        std::size_t operator()(int index) const;
    };
    struct SameRecipient {
        std::span<const CsvCandidate> candidates;
        bool operator()(int left, int right) const;
    };

    std::string sourcePath_;
    std::span<const CsvCandidate> candidates_;
    SessionLists& lists_;
    int optionFlags_;
    std::vector<int> picked_;
    std::unordered_set<int, SameRecipientHash, SameRecipient> pickedRecipients_;
};
