#include "session/RecipientRecord.h"

#include <cstring>
#include <string_view>

namespace {

void CopyBounded(std::string_view text, char (&target)[kSplitBufferSize]) {
    const std::size_t length =
        text.size() < kSplitBufferSize - 1 ? text.size() : kSplitBufferSize - 1;
    std::memcpy(target, text.data(), length);
    target[length] = '\0';
}

} // namespace

void SplitRecipientEntry(const char* entry, char (&name)[kSplitBufferSize],
                         char (&faxNumber)[kSplitBufferSize]) {
    const std::string_view text(entry);
    const auto close = text.rfind(']');
    const auto open =
        close == std::string_view::npos ? std::string_view::npos : text.rfind('[', close);
    if (open == std::string_view::npos) {
        CopyBounded(text, name);
        CopyBounded({}, faxNumber);
        return;
    }
    CopyBounded(text.substr(open + 1, close - open - 1), faxNumber);
    // The blank of " [" ends the name.
    CopyBounded(text.substr(0, open == 0 ? 0 : open - 1), name);
}
