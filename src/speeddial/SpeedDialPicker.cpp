#include "speeddial/SpeedDialPicker.h"

#include "platform/MemoryShortage.h"
#include "text/FieldHelpers.h"
#include "text/FixedTexts.h"

#include <algorithm>
#include <new>
#include <utility>

namespace {

char FoldCase(char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte - 'A' + 'a') : byte;
}

// The texts' next character: a two-byte character is compared as it is, a letter in any case.
struct CharacterKey {
    unsigned first;
    unsigned second;
    std::size_t size;
};

CharacterKey KeyAt(std::string_view text, std::size_t at) {
    if (IsDoubleByteStart(text.data() + at) && at + 1 < text.size())
        return {static_cast<unsigned char>(text[at]), static_cast<unsigned char>(text[at + 1]), 2};
    return {static_cast<unsigned char>(FoldCase(text[at])), 0, 1};
}

// Orders texts as a sorted list box does for speed-dial numbers: byte by byte, letters in
// any case alike.
bool SortsBefore(std::string_view left, std::string_view right) {
    std::size_t l = 0;
    std::size_t r = 0;
    while (l < left.size() && r < right.size()) {
        const CharacterKey a = KeyAt(left, l);
        const CharacterKey b = KeyAt(right, r);
        if (a.first != b.first)
            return a.first < b.first;
        if (a.second != b.second)
            return a.second < b.second;
        l += a.size;
        r += b.size;
    }
    return l == left.size() && r < right.size();
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    std::size_t at = 0;
    while (at < prefix.size()) {
        if (at >= text.size())
            return false;
        const CharacterKey a = KeyAt(text, at);
        const CharacterKey b = KeyAt(prefix, at);
        if (a.first != b.first || a.size != b.size ||
            (a.size == 2 && at + 1 < prefix.size() && a.second != b.second))
            return false;
        at += a.size;
    }
    return true;
}

std::string ReplaceQuestion(const SpeedDialRecord& picked) {
    std::string question = texts::kReplaceNameLabel;
    question += MemberText(picked.name);
    question += texts::kReplaceFaxLabel;
    question += MemberText(picked.faxNumber);
    question += texts::kReplaceQuestion;
    return question;
}

} // namespace

SpeedDialPicker::SpeedDialPicker(std::string sourcePath, std::span<const SpeedDialRecord> table,
                                 SessionLists& lists, int optionFlags)
    : sourcePath_(std::move(sourcePath)), table_(table), lists_(lists), optionFlags_(optionFlags) {
    const std::size_t records = std::min({static_cast<std::size_t>(std::max(lists_.count, 0)),
                                          lists_.pickedRecords.Size(), table_.size()});
    lists_.count = 0;
    numbers_.assign(lists_.pickedRecords.begin(),
                    lists_.pickedRecords.begin() + static_cast<std::ptrdiff_t>(records));
    isPicked_.assign(records, 0);
    source_.reserve(records);
    for (std::size_t record = 0; record < records; ++record)
        source_.push_back({numbers_[record], static_cast<int>(record)});
    std::stable_sort(source_.begin(), source_.end(),
                     [](const SourceEntry& left, const SourceEntry& right) {
                         return SortsBefore(left.text, right.text);
                     });
    positions_.resize(records);
    for (std::size_t position = 0; position < records; ++position)
        positions_[static_cast<std::size_t>(source_[position].record)] = static_cast<int>(position);
}

int SpeedDialPicker::SourcePosition(int record) const {
    if (record < 0 || static_cast<std::size_t>(record) >= positions_.size())
        return -1;
    return positions_[static_cast<std::size_t>(record)];
}

std::string SpeedDialPicker::Title() const {
    return std::string(texts::kSpeedDialImportCaption) + " - " + sourcePath_;
}

std::string SpeedDialPicker::ListText(int record) const {
    const SpeedDialRecord& entry = Record(record);
    std::string text = numbers_[static_cast<std::size_t>(record)];
    text += '\t';
    text += MemberText(entry.name);
    text += " [";
    text += MemberText(entry.faxNumber);
    text += ']';
    return text;
}

std::string SpeedDialPicker::PickedText(int position) const {
    return ListText(PickedRecord(position));
}

int SpeedDialPicker::FindTypedNumber(std::string_view typed, int firstSelected) const {
    const int count = SourceCount();
    if (count == 0)
        return -1;
    typed = typed.substr(0, std::min<std::size_t>(typed.size(), kTypedNumberLimit));
    const int start = firstSelected >= 0 && firstSelected < count ? firstSelected : 0;
    for (int step = 0; step < count; ++step) {
        const int position = (start + step) % count;
        if (StartsWithIgnoringCase(SourceText(position), typed))
            return position;
    }
    return -1;
}

bool SpeedDialPicker::AtLimit() const {
    return lists_.limit > 0 && PickedCount() >= lists_.limit;
}

bool SpeedDialPicker::IsRelayEntry(int record) const {
    // An entry marked both relay and confidential is sent as a relay fax too.
    const char type = Record(record).transmitType;
    const auto index = static_cast<std::size_t>(record);
    return (type == kTransmitRelay || type == kTransmitRelayAndConfidential) &&
           index < lists_.relayTexts.Size() && !lists_.relayTexts.At(index).empty();
}

bool SpeedDialPicker::RestrictionAllows(std::size_t selectedCount,
                                        const std::function<void(std::span<int>)>& readSelection,
                                        SpeedDialPickerView& view) const {
    if (PickedCount() != 0 || selectedCount != 1) {
        view.ShowWarning(texts::kSingleRecipientOnly);
        return false;
    }
    int selected[1] = {-1};
    readSelection(selected);
    if (selected[0] >= 0 && selected[0] < SourceCount() &&
        IsRelayEntry(SourceRecord(selected[0]))) {
        view.ShowWarning(texts::kRelayEntryRefused);
        return false;
    }
    return true;
}

int SpeedDialPicker::AddPicks(std::size_t selectedCount,
                              const std::function<void(std::span<int>)>& readSelection,
                              SpeedDialPickerView& view) {
    if (SingleRecipientRestriction(optionFlags_) &&
        !RestrictionAllows(selectedCount, readSelection, view))
        return 0;
    if (selectedCount == 0)
        return 0;
    if (AtLimit()) {
        view.ShowWarning(texts::kRecipientLimitReached);
        return 0;
    }
    std::vector<int> room;
    if (!CompletedWithMemory([&] { room.resize(selectedCount); })) {
        view.ShowWarning(texts::kNoMemoryForPicks);
        return 0;
    }
    readSelection(room);
    int added = 0;
    for (const int position : room) {
        if (AtLimit()) {
            view.ShowWarning(texts::kRecipientLimitReached);
            break;
        }
        if (position < 0 || position >= SourceCount())
            continue;
        if (!CompletedWithMemory([&] { added += AddOne(position, view); })) {
            // As at the limit: the entries added so far stay.
            view.ShowWarning(texts::kNoMemoryForPicks);
            break;
        }
    }
    return added;
}

int SpeedDialPicker::AddPicks(std::span<const int> selected, SpeedDialPickerView& view) {
    return AddPicks(
        selected.size(),
        [selected](std::span<int> room) {
            std::copy_n(selected.begin(), std::min(room.size(), selected.size()), room.begin());
        },
        view);
}

std::size_t SpeedDialPicker::RecipientKeyHash::operator()(const RecipientKey& key) const {
    const std::size_t fax = std::hash<std::string_view>{}(key.faxNumber);
    return fax ^ (std::hash<std::string_view>{}(key.name) + 0x9e3779b97f4a7c15ULL + (fax << 6) +
                  (fax >> 2));
}

SpeedDialPicker::RecipientKey SpeedDialPicker::KeyOf(int record) const {
    const SpeedDialRecord& entry = Record(record);
    return {MemberText(entry.name), MemberText(entry.faxNumber)};
}

void SpeedDialPicker::Unpick(int record) {
    isPicked_[static_cast<std::size_t>(record)] = 0;
    pickedRecipients_.erase(KeyOf(record));
}

int SpeedDialPicker::AddOne(int position, SpeedDialPickerView& view) {
    const int record = SourceRecord(position);
    if (isPicked_[static_cast<std::size_t>(record)])
        return 0;
    const RecipientKey key = KeyOf(record);
    // Picked entries are never equal to each other, so at most one is equal to this one.
    auto equal = pickedRecipients_.find(key);
    if (equal != pickedRecipients_.end() &&
        !view.AskReplace(ReplaceQuestion(Record(equal->second))))
        return 0;

    // Everything that takes memory comes before the first change, so that a failure changes
    // nothing.
    const std::string text = ListText(record);
    if (picked_.size() == picked_.capacity())
        picked_.reserve(2 * picked_.capacity() + 1);
    if (equal == pickedRecipients_.end()) {
        pickedRecipients_.emplace(key, record);
    } else {
        // The equal entry leaves the picked list; its key stays, now for this record.
        const int replaced = std::exchange(equal->second, record);
        isPicked_[static_cast<std::size_t>(replaced)] = 0;
        const auto at = std::find(picked_.begin(), picked_.end(), replaced);
        const int removedPosition = static_cast<int>(at - picked_.begin());
        picked_.erase(at);
        view.RemovePicked(removedPosition);
    }
    picked_.push_back(record);
    isPicked_[static_cast<std::size_t>(record)] = 1;
    if (!view.AppendPicked(text, record)) {
        // Not shown, so not picked; the key stays with neither record.
        picked_.pop_back();
        isPicked_[static_cast<std::size_t>(record)] = 0;
        pickedRecipients_.erase(key);
        throw std::bad_alloc();
    }
    return 1;
}

bool SpeedDialPicker::DeletePicked(std::span<const int> selected) {
    if (selected.empty())
        return false;
    // Doomed entries are marked in place, so deleting needs no memory; one pass then keeps
    // the rest in order, however many entries go.
    constexpr int kDoomed = -1;
    for (const int position : selected) {
        if (position < 0 || position >= PickedCount())
            continue;
        int& record = picked_[static_cast<std::size_t>(position)];
        if (record == kDoomed)
            continue;
        Unpick(record);
        record = kDoomed;
    }
    std::erase(picked_, kDoomed);
    return true;
}

std::optional<SpeedDialDetail> SpeedDialPicker::ShowDetails(std::span<const int> selected,
                                                            SpeedDialPickerView& view) const {
    if (selected.size() != 1 || selected[0] < 0 || selected[0] >= SourceCount()) {
        view.ShowWarning(texts::kChooseOneSpeedDialNumber);
        return std::nullopt;
    }
    return DescribeSpeedDialEntry(table_, lists_, SourceRecord(selected[0]));
}

int SpeedDialPicker::Confirm() {
    lists_.pickedRecords.Clear();
    lists_.count = PickedCount();
    for (const int record : picked_) {
        // Composed from the record, so no speed-dial number can reach the entry.
        const SpeedDialRecord& entry = Record(record);
        std::string recipient(MemberText(entry.name));
        recipient += " [";
        recipient += MemberText(entry.faxNumber);
        recipient += ']';
        lists_.recipients.Append(std::move(recipient));
        lists_.pickedRecords.Append(std::to_string(record));
    }
    return lists_.count;
}

void SpeedDialPicker::Cancel() {
    lists_.count = 0;
    lists_.recipients.Clear();
}
