#include "speeddial/SecretSettings.h"

#include "speeddial/MaskedText.h"

#include <cstring>

namespace {

constexpr std::size_t kBoxBytes = 3;
constexpr std::size_t kPasswordBytes = 4;

struct SecretParts {
    std::string_view first;
    std::string_view password;
    bool hasColon = false;
};

// The text, unmasked for a version 0 file, cut at its first colon. Works on the whole text:
// only the bytes the members keep are copied.
class SecretText {
  public:
    SecretText(std::string_view text, int32_t ewsFormatVersion) {
        text = text.substr(0, text.find('\0'));
        if (ewsFormatVersion == 0 && !text.empty()) {
            DecodeMaskedText(decoded_, text);
            text = decoded_;
        }
        const std::size_t colon = text.find(':');
        parts_.first = text.substr(0, colon);
        if (colon != std::string_view::npos) {
            parts_.password = text.substr(colon + 1);
            parts_.hasColon = true;
        }
        empty_ = text.empty();
    }
    SecretText(const SecretText&) = delete;
    SecretText& operator=(const SecretText&) = delete;

    bool Empty() const { return empty_; }
    const SecretParts& Parts() const { return parts_; }

  private:
    char decoded_[kMaskedTextBuffer] = {};
    SecretParts parts_;
    bool empty_ = true;
};

} // namespace

int ApplyConfidentialSetting(SpeedDialRecord& record, std::string_view text,
                             int32_t ewsFormatVersion) {
    std::memset(record.confidentialBox, 0, sizeof record.confidentialBox);
    std::memset(record.confidentialPassword, 0, sizeof record.confidentialPassword);
    const SecretText secret(text, ewsFormatVersion);
    if (secret.Empty())
        return 0;
    const SecretParts& parts = secret.Parts();
    CopyToMember(record.confidentialBox, parts.first.substr(0, kBoxBytes));
    bool valid = true;
    if (parts.hasColon) {
        const std::string_view password = parts.password.substr(0, kPasswordBytes);
        valid = password.empty() || password.size() == kPasswordBytes;
        CopyToMember(record.confidentialPassword, password);
    }
    return valid && record.confidentialBox[0] != '\0' ? 1 : 0;
}

void ApplyFCodeSetting(SpeedDialRecord& record, std::string_view text, int32_t ewsFormatVersion) {
    std::memset(record.fcodeSubaddress, 0, sizeof record.fcodeSubaddress);
    std::memset(record.fcodePassword, 0, sizeof record.fcodePassword);
    const SecretText secret(text, ewsFormatVersion);
    if (secret.Empty())
        return;
    CopyToMember(record.fcodeSubaddress, secret.Parts().first);
    if (secret.Parts().hasColon)
        CopyToMember(record.fcodePassword, secret.Parts().password);
}
