#include "csv/CsvEncoding.h"

#include "platform/CodePages.h"
#include "text/DoubleByteValidation.h"
#include "text/UnicodeToAnsi.h"
#include "text/Utf8Validation.h"

#include <cstring>

namespace {

bool StartsWith(const char* content, std::size_t size, const char* mark, std::size_t length) {
    return size >= length && std::memcmp(content, mark, length) == 0;
}

} // namespace

DetectedEncoding DetectCsvEncoding(const char* content, std::size_t size,
                                   std::uint32_t ansiCodePage) {
    if (StartsWith(content, size, "\xEF\xBB\xBF", 3))
        return {CsvEncoding::Utf8, 3};
    if (StartsWith(content, size, "\xFF\xFE", 2))
        return {CsvEncoding::Utf16LittleEndian, 2};
    if (StartsWith(content, size, "\xFE\xFF", 2))
        return {CsvEncoding::Utf16BigEndian, 2};
    // A Big5 file whose bytes happen to form UTF-8 stays Big5.
    if (HasNonAsciiByte(content, size) && IsWellFormedUtf8(content, size) &&
        !FollowsDoubleByteRules(content, size, ansiCodePage))
        return {CsvEncoding::Utf8, 0};
    return {};
}

bool ConvertCsvContent(platform::FileBytes& content) {
    const DetectedEncoding detected =
        DetectCsvEncoding(content.data.get(), content.size, platform::AnsiCodePage());
    UnicodeForm form = UnicodeForm::Utf8;
    switch (detected.encoding) {
    case CsvEncoding::Ansi:
        return true;
    case CsvEncoding::Utf8:
        break;
    case CsvEncoding::Utf16LittleEndian:
        form = UnicodeForm::Utf16LittleEndian;
        break;
    case CsvEncoding::Utf16BigEndian:
        form = UnicodeForm::Utf16BigEndian;
        break;
    }
    platform::FileBytes converted;
    if (!ConvertToAnsiCodePage(form, content.data.get() + detected.markLength,
                               content.size - detected.markLength, converted))
        return false;
    content = std::move(converted);
    return true;
}
