#include "csv/CsvRecipientPicker.h"

#include "platform/MemoryShortage.h"
#include "text/FieldHelpers.h"
#include "text/FixedTexts.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <utility>

namespace {

char FoldCase(char byte) {
    return byte >= 'A' && byte <= 'Z' ? static_cast<char>(byte + 32) : byte;
}

// Letters fold only where they are single-byte characters; a two-byte character's trail byte
// must match exactly. `text` is zero-terminated.
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    if (prefix.size() > text.size())
        return false;
    std::size_t at = 0;
    while (at < prefix.size()) {
        if (IsDoubleByteStart(text.data() + at)) {
            if (text[at] != prefix[at])
                return false;
            if (at + 1 < prefix.size() && text[at + 1] != prefix[at + 1])
                return false;
            at += 2;
            continue;
        }
        if (FoldCase(text[at]) != FoldCase(prefix[at]))
            return false;
        ++at;
    }
    return true;
}

} // namespace

std::size_t CsvRecipientPicker::SameRecipientHash::operator()(int index) const {
    const CsvCandidate& candidate = candidates[static_cast<std::size_t>(index)];
    const std::size_t number = std::hash<std::string_view>{}(FieldText(candidate.faxNumber));
    const std::size_t name = std::hash<std::string_view>{}(FieldText(candidate.name));
    return number ^ (name + 0x9e3779b97f4a7c15ULL + (number << 6) + (number >> 2));
}

bool CsvRecipientPicker::SameRecipient::operator()(int left, int right) const {
    const CsvCandidate& a = candidates[static_cast<std::size_t>(left)];
    const CsvCandidate& b = candidates[static_cast<std::size_t>(right)];
    return FieldText(a.faxNumber) == FieldText(b.faxNumber) &&
           FieldText(a.name) == FieldText(b.name);
}

CsvRecipientPicker::CsvRecipientPicker(std::string sourcePath,
                                       std::span<const CsvCandidate> candidates,
                                       SessionLists& lists, int optionFlags)
    : sourcePath_(std::move(sourcePath)), candidates_(candidates), lists_(lists),
      optionFlags_(optionFlags),
      pickedRecipients_(0, SameRecipientHash{candidates}, SameRecipient{candidates}) {
    lists_.count = 0;
}

std::string CsvRecipientPicker::Title() const {
    return std::string(texts::kCsvImportCaption) + " - " + sourcePath_;
}

int CsvRecipientPicker::FindTypedName(std::string_view typed, int firstSelected) const {
    const int count = SourceCount();
    if (count == 0)
        return -1;
    typed = typed.substr(0, std::min<std::size_t>(typed.size(), kMaxFieldLength));
    const int start = firstSelected >= 0 && firstSelected < count ? firstSelected : 0;
    for (int step = 0; step < count; ++step) {
        const int entry = (start + step) % count;
        if (StartsWithIgnoringCase(SourceText(entry).View(), typed))
            return entry;
    }
    return -1;
}

bool CsvRecipientPicker::AtLimit() const {
    return lists_.limit > 0 && picked_.size() >= static_cast<std::size_t>(lists_.limit);
}

CsvRecipientPicker::AddOutcome
CsvRecipientPicker::AddPicks(std::size_t selectedCount,
                             const std::function<void(std::span<int>)>& readSelection) {
    if (SingleRecipientRestriction(optionFlags_) && (!picked_.empty() || selectedCount != 1))
        return {0, texts::kSingleRecipientOnly};
    if (selectedCount == 0)
        return {};
    if (AtLimit())
        return {0, texts::kRecipientLimitReached};

    const bool tooMany = selectedCount > static_cast<std::size_t>(PTRDIFF_MAX) / sizeof(int);
    std::unique_ptr<int[]> room(tooMany ? nullptr : new (std::nothrow) int[selectedCount]);
    if (!room)
        return {0, texts::kNoMemoryForPicks};
    const std::span<int> selected(room.get(), selectedCount);
    readSelection(selected);
    // The picked list has room for every entry that may come, so only the set can fail.
    const std::size_t coming = std::min(selectedCount, candidates_.size());
    if (!CompletedWithMemory([&] {
            if (picked_.capacity() - picked_.size() < coming)
                picked_.reserve(std::max(picked_.size() + coming, 2 * picked_.capacity()));
            pickedRecipients_.reserve(picked_.size() + coming);
        }))
        return {0, texts::kNoMemoryForPicks};

    AddOutcome outcome;
    for (const int entry : selected) {
        if (AtLimit()) {
            outcome.message = texts::kRecipientLimitReached;
            break;
        }
        if (entry < 0 || entry >= SourceCount() || Candidate(entry).faxNumber[0] == '\0')
            continue;
        bool inserted = false;
        try {
            inserted = pickedRecipients_.insert(entry).second;
        } catch (const std::bad_alloc&) {
            // As at the limit: the entries added so far stay.
            outcome.message = texts::kNoMemoryForPicks;
            break;
        }
        if (!inserted)
            continue;
        picked_.push_back(entry);
        ++outcome.added;
    }
    return outcome;
}

CsvRecipientPicker::AddOutcome CsvRecipientPicker::AddPicks(std::span<const int> selected) {
    return AddPicks(selected.size(), [selected](std::span<int> room) {
        std::copy(selected.begin(), selected.end(), room.begin());
    });
}

bool CsvRecipientPicker::DeletePicked(std::span<const int> selected) {
    // Doomed entries are marked in place, so deleting needs no memory; one pass then keeps the
    // rest in order, however many entries go.
    constexpr int kDoomed = -1;
    bool any = false;
    for (const int entry : selected) {
        if (entry < 0 || static_cast<std::size_t>(entry) >= picked_.size())
            continue;
        any = true;
        int& candidate = picked_[static_cast<std::size_t>(entry)];
        if (candidate == kDoomed)
            continue;
        pickedRecipients_.erase(candidate);
        candidate = kDoomed;
    }
    if (!any)
        return false;
    std::erase(picked_, kDoomed);
    return true;
}

void CsvRecipientPicker::DropLastPicked(int count) {
    for (; count > 0 && !picked_.empty(); --count) {
        pickedRecipients_.erase(picked_.back());
        picked_.pop_back();
    }
}

int CsvRecipientPicker::Confirm() {
    lists_.count = PickedCount();
    lists_.recipients.Reserve(lists_.recipients.Size() + picked_.size());
    for (const int candidate : picked_)
        lists_.recipients.Append(std::string(EntryText(Candidate(candidate)).View()));
    return lists_.count;
}

void CsvRecipientPicker::Cancel() {
    lists_.count = 0;
    lists_.recipients.Clear();
}
