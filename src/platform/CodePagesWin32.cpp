// The code-page seam on Windows: the national-language API itself.
#include "platform/CodePages.h"
#include "platform/TrustedLibraries.h"

#include <windows.h>

namespace platform {
namespace {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 units are wchar_t on Windows");

using NormalizeStringFunction = int(WINAPI*)(int, LPCWSTR, int, LPWSTR, int);
constexpr int kNormalizationC = 1;

const WCHAR* AsWide(const char16_t* text) {
    return reinterpret_cast<const WCHAR*>(text);
}
WCHAR* AsWide(char16_t* text) {
    return reinterpret_cast<WCHAR*>(text);
}

} // namespace

std::uint32_t LastError() {
    return ::GetLastError();
}
void SetLastError(std::uint32_t error) {
    ::SetLastError(error);
}

std::uint32_t AnsiCodePage() {
    return ::GetACP();
}

bool IsLeadByte(std::uint32_t codePage, unsigned char byte) {
    return ::IsDBCSLeadByteEx(codePage, byte) != FALSE;
}

const AnsiLeadBytes& AnsiLeadByteTable() {
    static const AnsiLeadBytes table = [] {
        AnsiLeadBytes leads;
        leads.codePage = ::GetACP();
        for (std::size_t byte = 0; byte < leads.leads.size(); ++byte)
            leads.leads[byte] = IsLeadByte(leads.codePage, static_cast<unsigned char>(byte));
        return leads;
    }();
    return table;
}

int MultiByteToWide(std::uint32_t codePage, std::uint32_t flags, const char* source,
                    int sourceLength, char16_t* target, int targetLength) {
    return ::MultiByteToWideChar(codePage, flags, source, sourceLength, AsWide(target),
                                 targetLength);
}

int WideToMultiByte(std::uint32_t codePage, std::uint32_t flags, const char16_t* source,
                    int sourceLength, char* target, int targetLength, const char* defaultChar,
                    bool* usedDefault) {
    BOOL used = FALSE;
    const int result =
        ::WideCharToMultiByte(codePage, flags, AsWide(source), sourceLength, target, targetLength,
                              defaultChar, usedDefault ? &used : nullptr);
    if (usedDefault)
        *usedDefault = used != FALSE;
    return result;
}

FormCNormalizer::FormCNormalizer() {
    HMODULE library = LoadTrustedLibrary("Normaliz.dll");
    if (!library)
        return;
    FARPROC entry = ::GetProcAddress(library, "NormalizeString");
    if (!entry) {
        ::FreeLibrary(library);
        return;
    }
    library_ = library;
    entry_ = reinterpret_cast<void*>(entry);
}

FormCNormalizer::~FormCNormalizer() {
    if (library_)
        ::FreeLibrary(static_cast<HMODULE>(library_));
}

bool FormCNormalizer::Available() const {
    return entry_ != nullptr;
}

int FormCNormalizer::Normalize(const char16_t* source, int sourceLength, char16_t* target,
                               int targetLength) const {
    if (!entry_) {
        ::SetLastError(kErrorInvalidFunction);
        return 0;
    }
    const auto normalizeString = reinterpret_cast<NormalizeStringFunction>(entry_);
    return normalizeString(kNormalizationC, AsWide(source), sourceLength, AsWide(target),
                           targetLength);
}

} // namespace platform
