#include "speeddial/EncodedColumn.h"

#include "speeddial/MaskedText.h"

#include <algorithm>

bool VerifyEncodedColumn(const LineFields& line, std::string_view encoded, int faxColumn) {
    if (encoded.empty() || encoded.size() >= kEncodedColumnBuffer)
        return false;
    char copy[kEncodedColumnBuffer] = {};
    std::replace_copy(encoded.begin(), encoded.end(), copy, '-', '0');
    char decoded[kEncodedColumnBuffer] = {};
    DecodeBase64(decoded, std::string_view(copy, encoded.size()));

    const std::string_view text(decoded);
    const std::size_t tab = text.find('\t');
    const std::string_view faxNumber = text.substr(0, tab);
    const char* field = line.Field(faxColumn);
    if (!field || faxNumber != field)
        return false;

    std::string_view subaddress;
    if (tab != std::string_view::npos) {
        subaddress = text.substr(tab + 1);
        subaddress = subaddress.substr(0, subaddress.find('\t'));
    }
    const char* fcode = line.Field(faxColumn + kFCodeSubaddressOffset);
    if (subaddress.empty())
        return fcode == nullptr || *fcode == '\0';
    return fcode != nullptr && subaddress == fcode;
}
