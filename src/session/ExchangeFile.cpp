#include "session/ExchangeFile.h"

#include "session/RecipientRecord.h"
#include "text/FieldHelpers.h"

#include <algorithm>
#include <cstring>

void ExchangeFileBuffer::AppendInt32(int32_t value) {
    const auto bits = static_cast<uint32_t>(value);
    const char bytes[4] = {static_cast<char>(bits & 0xFF), static_cast<char>((bits >> 8) & 0xFF),
                           static_cast<char>((bits >> 16) & 0xFF),
                           static_cast<char>((bits >> 24) & 0xFF)};
    bytes_.append(bytes, sizeof bytes);
}

void ExchangeFileBuffer::Append(const void* data, std::size_t size) {
    bytes_.append(static_cast<const char*>(data), size);
}

namespace {

// A record member keeps at most 30 bytes and its zero; a longer text is cut where a character
// begins, never inside one, and nothing of the rest stays behind the zero.
void CutToMember(char (&text)[kSplitBufferSize]) {
    const int kept = ClipToCharBoundary(text, kMaxFieldLength);
    std::memset(text + kept, 0, kSplitBufferSize - static_cast<std::size_t>(kept));
}

} // namespace

void AppendRecipientRecords(const SessionLists& lists, ExchangeFileBuffer& file) {
    // The count always matches the records that follow it.
    const std::size_t records =
        std::min<std::size_t>(lists.count > 0 ? lists.count : 0, lists.recipients.Size());
    file.AppendInt32(static_cast<int32_t>(records));
    for (std::size_t i = 0; i < records; ++i) {
        const std::string& entry = lists.recipients.At(i);
        char name[kSplitBufferSize] = {};
        char faxNumber[kSplitBufferSize] = {};
        SplitRecipientEntry(entry.c_str(), name, faxNumber);
        CutToMember(name);
        CutToMember(faxNumber);
        file.Append(name, kRecipientFieldSize);
        file.Append(faxNumber, kRecipientFieldSize);
    }
}
