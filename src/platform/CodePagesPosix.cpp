// The code-page seam on POSIX systems, through ICU. It behaves as a Windows system whose ANSI code
// page tests choose, with the argument checks and error codes of the Win32 functions.
#include "platform/CodePages.h"
#include "platform/MemoryShortage.h"

#include <unicode/ucnv.h>
#include <unicode/ucnv_cb.h>
#include <unicode/unorm2.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <array>
#include <atomic>
#include <bitset>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace platform {
namespace {

constexpr std::uint32_t kCodePageOem = 1;
constexpr std::uint32_t kCodePageMac = 2;
constexpr std::uint32_t kCodePageThreadAnsi = 3;
constexpr std::uint32_t kCodePageUtf7 = 65000;
constexpr std::uint32_t kMbPrecomposed = 0x01;
constexpr std::uint32_t kMbComposite = 0x02;
constexpr std::uint32_t kMbAllFlags = 0x0F;
constexpr std::uint32_t kWcAllFlags =
    0x10 | 0x20 | 0x40 | kWcErrInvalidChars | kWcCompositeCheck | kWcNoBestFitChars;

thread_local std::uint32_t lastError = kErrorSuccess;
std::atomic<std::uint32_t> ansiCodePage{950};
std::atomic<bool> normalizationAvailable{true};

int Fail(std::uint32_t error) {
    lastError = error;
    return 0;
}

struct ConverterCloser {
    void operator()(UConverter* converter) const { ucnv_close(converter); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

std::uint32_t ResolveCodePage(std::uint32_t codePage) {
    switch (codePage) {
    case kCodePageAnsi:
    case kCodePageOem:
    case kCodePageMac:
    case kCodePageThreadAnsi:
        return AnsiCodePage();
    default:
        return codePage;
    }
}

bool IsUtfCodePage(std::uint32_t codePage) {
    return codePage == kCodePageUtf8 || codePage == kCodePageUtf7;
}

// The converter for a resolved code page, reset; null for one the system does not know. It stays
// valid until the next call for another code page. The thread keeps a few converters open:
// callers convert a few units at a time, and opening one (a search of ICU's names) costs more
// than that. Every caller sets the callbacks and the fallback it converts with. No allocation
// of the program's: what the fault-injection tests count stays as it was.
UConverter* OpenConverter(std::uint32_t codePage) {
    struct OpenOne {
        std::uint32_t codePage = 0;
        Converter converter;
    };
    thread_local std::array<OpenOne, 8> open;
    thread_local std::size_t nextSlot = 0;
    for (const OpenOne& one : open) {
        if (one.converter && one.codePage == codePage) {
            ucnv_reset(one.converter.get());
            return one.converter.get();
        }
    }
    char name[24] = "UTF-8";
    if (codePage == kCodePageUtf7)
        std::snprintf(name, sizeof name, "UTF-7");
    else if (codePage != kCodePageUtf8)
        std::snprintf(name, sizeof name, "windows-%u", static_cast<unsigned>(codePage));
    UErrorCode status = U_ZERO_ERROR;
    Converter converter(ucnv_open(name, &status));
    if (U_FAILURE(status))
        return nullptr;
    OpenOne& slot = open[nextSlot];
    nextSlot = (nextSlot + 1) % open.size();
    slot.codePage = codePage;
    slot.converter = std::move(converter);
    return slot.converter.get();
}

// What replaces a character the target code page cannot hold.
struct Substitution {
    char bytes[2] = {'?', 0};
    int length = 1;
    bool utf = false;
    bool failOnIllegal = false;
    bool* used = nullptr;
};

void SubstituteCallback(const void* context, UConverterFromUnicodeArgs* args, const UChar*,
                        int32_t units, UChar32, UConverterCallbackReason reason,
                        UErrorCode* status) {
    if (reason > UCNV_IRREGULAR)
        return; // reset, close or clone: nothing to write
    const auto& substitution = *static_cast<const Substitution*>(context);
    if (substitution.utf) {
        if (substitution.failOnIllegal)
            return; // the error stays set and stops the conversion
        *status = U_ZERO_ERROR;
        static constexpr char kReplacement[] = "\xEF\xBF\xBD";
        ucnv_cbFromUWriteBytes(args, kReplacement, 3, 0, status);
        return;
    }
    // One default character per UTF-16 unit, as Windows gives for a surrogate pair.
    *status = U_ZERO_ERROR;
    *substitution.used = true;
    for (int32_t unit = 0; unit < units && U_SUCCESS(*status); ++unit)
        ucnv_cbFromUWriteBytes(args, substitution.bytes, substitution.length, 0, status);
}

// Bytes that are no character become U+FFFD in UTF-8 and the default character '?' elsewhere.
void ReplaceInvalidCallback(const void* context, UConverterToUnicodeArgs* args, const char*,
                            int32_t, UConverterCallbackReason reason, UErrorCode* status) {
    if (reason > UCNV_IRREGULAR)
        return;
    const auto* replacement = static_cast<const UChar*>(context);
    *status = U_ZERO_ERROR;
    ucnv_cbToUWriteUChars(args, replacement, 1, 0, status);
}

constexpr UChar kUtfReplacement = 0xFFFD;
constexpr UChar kDefaultReplacement = u'?';

// Whether `unit` converts to `converter` without a substitution.
bool IsEncodable(UConverter* converter, char16_t unit) {
    ucnv_reset(converter);
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setFromUCallBack(converter, UCNV_FROM_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    char bytes[8];
    ucnv_fromUChars(converter, bytes, sizeof bytes, &unit, 1, &status);
    ucnv_reset(converter);
    return U_SUCCESS(status);
}

// WC_COMPOSITECHECK: a base character and a following mark become the precomposed character
// when the code page holds it.
std::u16string ComposePairs(UConverter* converter, const char16_t* source, int length) {
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
    std::u16string composed;
    composed.reserve(static_cast<std::size_t>(length));
    for (int i = 0; i < length; ++i) {
        if (U_SUCCESS(status) && i + 1 < length) {
            const UChar32 pair = unorm2_composePair(nfc, source[i], source[i + 1]);
            if (pair >= 0 && pair <= 0xFFFF && IsEncodable(converter, char16_t(pair))) {
                composed.push_back(char16_t(pair));
                ++i;
                continue;
            }
        }
        composed.push_back(source[i]);
    }
    return composed;
}

// The index of the first unpaired surrogate, or -1.
int FindUnpairedSurrogate(const char16_t* text, int length) {
    for (int i = 0; i < length; ++i) {
        if (U16_IS_LEAD(text[i]) && i + 1 < length && U16_IS_TRAIL(text[i + 1]))
            ++i;
        else if (U16_IS_SURROGATE(text[i]))
            return i;
    }
    return -1;
}

struct LeadByteTable {
    std::uint32_t codePage = 0;
    bool known = false;
    std::bitset<256> leads;
};

} // namespace

std::uint32_t LastError() {
    return lastError;
}
void SetLastError(std::uint32_t error) {
    lastError = error;
}

std::uint32_t AnsiCodePage() {
    return ansiCodePage.load();
}

namespace {

// Leaves the error code as it was: the table is taken whenever the code page changes, not at a
// call whose error a caller reads.
AnsiLeadBytes LeadBytesOf(std::uint32_t codePage) {
    const std::uint32_t error = lastError;
    AnsiLeadBytes table;
    table.codePage = codePage;
    for (std::size_t byte = 0; byte < table.leads.size(); ++byte)
        table.leads[byte] = IsLeadByte(codePage, static_cast<unsigned char>(byte));
    lastError = error;
    return table;
}

// The table of the code page in force, which SetAnsiCodePage replaces.
AnsiLeadBytes& CurrentLeadBytes() {
    static AnsiLeadBytes table = LeadBytesOf(AnsiCodePage());
    return table;
}

} // namespace

const AnsiLeadBytes& AnsiLeadByteTable() {
    return CurrentLeadBytes();
}

void SetAnsiCodePage(std::uint32_t codePage) {
    ansiCodePage.store(codePage);
    // Tests switch among a few code pages, fuzz targets for every input: each one's table is
    // taken once.
    static std::array<AnsiLeadBytes, 8> taken{};
    static std::size_t takenCount = 0;
    for (std::size_t i = 0; i < takenCount; ++i) {
        if (taken[i].codePage == codePage) {
            CurrentLeadBytes() = taken[i];
            return;
        }
    }
    CurrentLeadBytes() = LeadBytesOf(codePage);
    if (takenCount < taken.size())
        taken[takenCount++] = CurrentLeadBytes();
}
void SetNormalizationAvailable(bool available) {
    normalizationAvailable.store(available);
}

bool IsLeadByte(std::uint32_t codePage, unsigned char byte) {
    // Asked for every byte of a text: keep the lead bytes of the last few code pages.
    thread_local std::array<LeadByteTable, 8> tables;
    thread_local std::size_t nextTable = 0;
    codePage = ResolveCodePage(codePage);
    for (const LeadByteTable& known : tables) {
        if (known.known && known.codePage == codePage)
            return known.leads[byte];
    }
    UConverter* converter = OpenConverter(codePage);
    if (!converter) {
        lastError = kErrorInvalidParameter;
        return false;
    }
    LeadByteTable& table = tables[nextTable];
    nextTable = (nextTable + 1) % tables.size();
    table = LeadByteTable{codePage, true, {}};
    UBool starters[256] = {};
    UErrorCode status = U_ZERO_ERROR;
    ucnv_getStarters(converter, starters, &status);
    if (U_SUCCESS(status)) {
        for (int i = 0; i < 256; ++i)
            table.leads[static_cast<std::size_t>(i)] = starters[i] != 0;
    }
    return table.leads[byte];
}

int MultiByteToWide(std::uint32_t codePage, std::uint32_t flags, const char* source,
                    int sourceLength, char16_t* target, int targetLength) {
    if (!source || sourceLength == 0 || sourceLength < -1 || targetLength < 0 ||
        (targetLength > 0 && !target) ||
        static_cast<const void*>(source) == static_cast<const void*>(target))
        return Fail(kErrorInvalidParameter);
    codePage = ResolveCodePage(codePage);
    if (IsUtfCodePage(codePage)
            ? (flags & ~kMbErrInvalidChars) != 0
            : (flags & ~kMbAllFlags) != 0 ||
                  (flags & (kMbPrecomposed | kMbComposite)) == (kMbPrecomposed | kMbComposite))
        return Fail(kErrorInvalidFlags);
    UConverter* converter = OpenConverter(codePage);
    if (!converter)
        return Fail(kErrorInvalidParameter);
    ucnv_setFallback(converter, false);
    UErrorCode status = U_ZERO_ERROR;
    if (flags & kMbErrInvalidChars)
        ucnv_setToUCallBack(converter, UCNV_TO_U_CALLBACK_STOP, nullptr, nullptr, nullptr, &status);
    else
        ucnv_setToUCallBack(converter, ReplaceInvalidCallback,
                            IsUtfCodePage(codePage) ? &kUtfReplacement : &kDefaultReplacement,
                            nullptr, nullptr, &status);

    const int length =
        sourceLength == -1 ? static_cast<int>(std::strlen(source)) + 1 : sourceLength;
    const int needed = ucnv_toUChars(converter, nullptr, 0, source, length, &status);
    if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status))
        return Fail(kErrorNoUnicodeTranslation);
    if (targetLength == 0)
        return needed;
    if (needed > targetLength)
        return Fail(kErrorInsufficientBuffer);
    status = U_ZERO_ERROR;
    ucnv_resetToUnicode(converter);
    ucnv_toUChars(converter, target, targetLength, source, length, &status);
    if (U_FAILURE(status))
        return Fail(kErrorNoUnicodeTranslation);
    return needed;
}

namespace {

// WideToMultiByte, which may throw when memory runs out.
int ConvertFromWide(std::uint32_t codePage, std::uint32_t flags, const char16_t* source,
                    int sourceLength, char* target, int targetLength, const char* defaultChar,
                    bool* usedDefault) {
    if (!source || sourceLength == 0 || sourceLength < -1 || targetLength < 0 ||
        (targetLength > 0 && !target) ||
        static_cast<const void*>(source) == static_cast<const void*>(target))
        return Fail(kErrorInvalidParameter);
    codePage = ResolveCodePage(codePage);
    const bool utf = IsUtfCodePage(codePage);
    if (utf && (defaultChar || usedDefault))
        return Fail(kErrorInvalidParameter);
    const std::uint32_t allowed =
        codePage == kCodePageUtf8
            ? kWcErrInvalidChars
            : (codePage == kCodePageUtf7 ? 0 : kWcAllFlags & ~kWcErrInvalidChars);
    if ((flags & ~allowed) != 0)
        return Fail(kErrorInvalidFlags);
    UConverter* converter = OpenConverter(codePage);
    if (!converter)
        return Fail(kErrorInvalidParameter);

    int length = sourceLength == -1 ? u_strlen(source) + 1 : sourceLength;
    std::u16string composed;
    if (flags & kWcCompositeCheck) {
        composed = ComposePairs(converter, source, length);
        source = composed.data();
        length = static_cast<int>(composed.size());
    }

    bool used = false;
    Substitution substitution;
    substitution.utf = utf;
    substitution.failOnIllegal = (flags & kWcErrInvalidChars) != 0;
    substitution.used = &used;
    if (defaultChar && defaultChar[0] != 0) {
        substitution.bytes[0] = defaultChar[0];
        if (IsLeadByte(codePage, static_cast<unsigned char>(defaultChar[0])) &&
            defaultChar[1] != 0) {
            substitution.bytes[1] = defaultChar[1];
            substitution.length = 2;
        }
    }
    UErrorCode status = U_ZERO_ERROR;
    ucnv_setFromUCallBack(converter, SubstituteCallback, &substitution, nullptr, nullptr, &status);
    ucnv_setFallback(converter, (flags & kWcNoBestFitChars) == 0);

    // No character takes more than four bytes per UTF-16 unit.
    std::vector<char> bytes(static_cast<std::size_t>(length) * 4 + 8);
    status = U_ZERO_ERROR;
    const int size = ucnv_fromUChars(converter, bytes.data(), static_cast<int32_t>(bytes.size()),
                                     source, length, &status);
    if (U_FAILURE(status))
        return Fail(kErrorNoUnicodeTranslation);
    if (usedDefault)
        *usedDefault = used;
    if (targetLength == 0)
        return size;
    if (size > targetLength)
        return Fail(kErrorInsufficientBuffer);
    std::memcpy(target, bytes.data(), static_cast<std::size_t>(size));
    return size;
}

} // namespace

int WideToMultiByte(std::uint32_t codePage, std::uint32_t flags, const char16_t* source,
                    int sourceLength, char* target, int targetLength, const char* defaultChar,
                    bool* usedDefault) {
    // The Win32 function reports a shortage of memory as an error, never by an exception.
    int result = 0;
    if (!CompletedWithMemory([&] {
            result = ConvertFromWide(codePage, flags, source, sourceLength, target, targetLength,
                                     defaultChar, usedDefault);
        }))
        return Fail(kErrorNotEnoughMemory);
    return result;
}

FormCNormalizer::FormCNormalizer() {
    if (!normalizationAvailable.load())
        return;
    UErrorCode status = U_ZERO_ERROR;
    const UNormalizer2* nfc = unorm2_getNFCInstance(&status);
    if (U_SUCCESS(status))
        entry_ = const_cast<UNormalizer2*>(nfc);
}

FormCNormalizer::~FormCNormalizer() = default;

bool FormCNormalizer::Available() const {
    return entry_ != nullptr;
}

int FormCNormalizer::Normalize(const char16_t* source, int sourceLength, char16_t* target,
                               int targetLength) const {
    if (!entry_)
        return Fail(kErrorInvalidFunction);
    if (sourceLength == 0) {
        lastError = kErrorSuccess; // nothing to normalize, and no error
        return 0;
    }
    if (!source || sourceLength < -1 || targetLength < 0 || (targetLength > 0 && !target))
        return Fail(kErrorInvalidParameter);
    const int length = sourceLength == -1 ? u_strlen(source) + 1 : sourceLength;
    const auto* nfc = static_cast<const UNormalizer2*>(entry_);
    UErrorCode status = U_ZERO_ERROR;
    const int needed = unorm2_normalize(nfc, source, length, nullptr, 0, &status);
    if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status))
        return Fail(kErrorInvalidParameter);
    if (targetLength == 0)
        return needed; // an estimate, given without looking at the text
    // Like the Windows function, only the conversion itself refuses unpaired surrogates.
    const int invalid = FindUnpairedSurrogate(source, length);
    if (invalid >= 0) {
        lastError = kErrorNoUnicodeTranslation;
        return -invalid;
    }
    if (needed > targetLength) {
        lastError = kErrorInsufficientBuffer;
        return -needed;
    }
    status = U_ZERO_ERROR;
    unorm2_normalize(nfc, source, length, target, targetLength, &status);
    if (U_FAILURE(status))
        return Fail(kErrorInvalidParameter);
    return needed;
}

} // namespace platform
