#include "vcard/VCardCharsets.h"

#include "platform/CodePages.h"
#include "vcard/VCardProperty.h"

#include <array>

namespace {

struct CharsetCodePage {
    std::string_view charset;
    std::uint32_t codePage;
};

// Every code page here converts on Windows and in the portable build's converter alike. ISO-8859-1
// is read as its superset 1252, as mail programs do.
constexpr std::array<CharsetCodePage, 40> kCharsets = {{
    {"UTF-8", platform::kCodePageUtf8},
    {"UTF8", platform::kCodePageUtf8},
    {"US-ASCII", platform::kCodePageUtf8},
    {"ASCII", platform::kCodePageUtf8},
    {"BIG5", 950},
    {"BIG-5", 950},
    {"BIG5-HKSCS", 950},
    {"CP950", 950},
    {"WINDOWS-950", 950},
    {"X-X-BIG5", 950},
    {"GB2312", 936},
    {"GBK", 936},
    {"CP936", 936},
    {"WINDOWS-936", 936},
    {"EUC-CN", 936},
    {"GB18030", 54936},
    {"SHIFT_JIS", 932},
    {"SHIFT-JIS", 932},
    {"SJIS", 932},
    {"CP932", 932},
    {"WINDOWS-31J", 932},
    {"EUC-KR", 949},
    {"KS_C_5601-1987", 949},
    {"CP949", 949},
    {"ISO-8859-1", 1252},
    {"LATIN1", 1252},
    {"ISO-8859-2", 28592},
    {"ISO-8859-5", 28595},
    {"ISO-8859-7", 28597},
    {"ISO-8859-9", 28599},
    {"ISO-8859-15", 28605},
    {"KOI8-R", 20866},
    {"WINDOWS-1250", 1250},
    {"WINDOWS-1251", 1251},
    {"WINDOWS-1252", 1252},
    {"WINDOWS-1253", 1253},
    {"WINDOWS-1254", 1254},
    {"WINDOWS-1255", 1255},
    {"WINDOWS-1256", 1256},
    {"WINDOWS-1258", 1258},
}};

} // namespace

std::uint32_t CodePageOfCharset(std::string_view charset) {
    if (charset.empty())
        return platform::kCodePageUtf8;
    for (const CharsetCodePage& entry : kCharsets) {
        if (EqualsIgnoringCase(charset, entry.charset))
            return entry.codePage;
    }
    return 0;
}
