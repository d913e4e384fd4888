#include "vcard/VCardText.h"

#include "platform/CodePages.h"
#include "text/CodePageConversion.h"
#include "text/DoubleByteValidation.h"
#include "text/TextViews.h"
#include "text/Utf8Validation.h"

#include <climits>
#include <new>

namespace {

// No character takes more bytes in an ANSI code page (UTF-8 included) than three per unit.
constexpr std::size_t kBytesPerUnit = 3;

} // namespace

void VCardText::ToAnsi(std::string_view bytes, std::uint32_t codePage, std::string& ansi) {
    if (IsAscii(bytes)) {
        ansi.assign(bytes);
        return;
    }
    if (bytes.size() > INT_MAX / kBytesPerUnit)
        throw std::bad_alloc();
    const bool utf8 = codePage == 0 || codePage == platform::kCodePageUtf8;
    if (!utf8 && Convert(bytes, codePage, ansi))
        return;
    if (!IsWellFormedUtf8(bytes.data(), bytes.size()) &&
        FollowsDoubleByteRules(bytes.data(), bytes.size(), platform::AnsiCodePage())) {
        ansi.assign(bytes);
        return;
    }
    if (!Convert(bytes, platform::kCodePageUtf8, ansi))
        throw std::bad_alloc();
}

bool VCardText::Convert(std::string_view bytes, std::uint32_t codePage, std::string& ansi) {
    units_.resize(bytes.size()); // a byte never gives more than one unit
    const int read = CodePageToWide(codePage, 0, bytes.data(), static_cast<int>(bytes.size()),
                                    units_.data(), static_cast<int>(units_.size()));
    if (read <= 0) {
        if (platform::IsMemoryShortage(platform::LastError()))
            throw std::bad_alloc();
        return false;
    }
    const int count = writer_.JoinUnmappablePairs(units_.data(), read);
    if (count < 0)
        throw std::bad_alloc();
    ansi.resize(static_cast<std::size_t>(count) * kBytesPerUnit + 1);
    const long long written = writer_.Convert(units_.data(), count, ansi.data(), ansi.size() - 1);
    if (written < 0)
        throw std::bad_alloc();
    ansi.resize(static_cast<std::size_t>(written));
    return true;
}

const LeadByteTable* VCardText::LeadBytes(std::uint32_t codePage) {
    if (codePage == 0 || codePage == platform::kCodePageUtf8)
        return nullptr;
    if (codePage != leadCodePage_) {
        leadCodePage_ = codePage;
        hasLeads_ = false;
        for (std::size_t byte = 0; byte < leads_.size(); ++byte) {
            leads_[byte] = platform::IsLeadByte(codePage, static_cast<unsigned char>(byte));
            hasLeads_ = hasLeads_ || leads_[byte];
        }
    }
    return hasLeads_ ? &leads_ : nullptr;
}
