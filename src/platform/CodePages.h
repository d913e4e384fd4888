// Code pages, lead bytes, UTF-16 conversion and Unicode normalization: the seam to the operating
// system's national-language API. The functions take and return what the Win32 functions of the
// same shape take and return, and report errors through the thread's last-error value.
#pragma once

#include <array>
#include <cstdint>

namespace platform {

// Win32 error codes the seam reports.
inline constexpr std::uint32_t kErrorSuccess = 0;
inline constexpr std::uint32_t kErrorInvalidFunction = 1;
inline constexpr std::uint32_t kErrorNotEnoughMemory = 8;
inline constexpr std::uint32_t kErrorOutOfMemory = 14;
inline constexpr std::uint32_t kErrorInvalidParameter = 87;
inline constexpr std::uint32_t kErrorInsufficientBuffer = 122;
inline constexpr std::uint32_t kErrorInvalidFlags = 1004;
inline constexpr std::uint32_t kErrorNoUnicodeTranslation = 1113;

// Code page identifiers and conversion flags with their Win32 values.
inline constexpr std::uint32_t kCodePageAnsi = 0;
inline constexpr std::uint32_t kCodePageUtf8 = 65001;
inline constexpr std::uint32_t kCodePageVietnamese = 1258;
inline constexpr std::uint32_t kMbErrInvalidChars = 0x08;
inline constexpr std::uint32_t kWcCompositeCheck = 0x200;
inline constexpr std::uint32_t kWcErrInvalidChars = 0x80;
inline constexpr std::uint32_t kWcNoBestFitChars = 0x400;

std::uint32_t LastError();
void SetLastError(std::uint32_t error);

// Whether a failed call's error says that memory ran out.
inline bool IsMemoryShortage(std::uint32_t error) {
    return error == kErrorNotEnoughMemory || error == kErrorOutOfMemory;
}

// GetACP.
std::uint32_t AnsiCodePage();

// IsDBCSLeadByteEx: whether `byte` is a lead byte of a two-byte character in `codePage`
// (0 for the ANSI code page).
bool IsLeadByte(std::uint32_t codePage, unsigned char byte);

// The lead bytes of the ANSI code page, for code that tests every byte of a text.
struct AnsiLeadBytes {
    std::uint32_t codePage = 0;
    std::array<bool, 256> leads{}; // IsLeadByte(codePage, byte) for every byte
};

// Asked of the system once per process, as the code page cannot change while it runs (on POSIX
// systems, once per SetAnsiCodePage).
const AnsiLeadBytes& AnsiLeadByteTable();

// MultiByteToWideChar.
int MultiByteToWide(std::uint32_t codePage, std::uint32_t flags, const char* source,
                    int sourceLength, char16_t* target, int targetLength);

// WideCharToMultiByte. `usedDefault` receives whether the default character was used.
int WideToMultiByte(std::uint32_t codePage, std::uint32_t flags, const char16_t* source,
                    int sourceLength, char* target, int targetLength, const char* defaultChar,
                    bool* usedDefault);

// NormalizeString with normalization form C, from a library that may be missing. The library
// stays loaded for the lifetime of the object.
class FormCNormalizer {
  public:
    FormCNormalizer();
    ~FormCNormalizer();
    FormCNormalizer(const FormCNormalizer&) = delete;
    FormCNormalizer& operator=(const FormCNormalizer&) = delete;

    // False when the library or its entry point is missing.
    bool Available() const;

    // As NormalizeString(NormalizationC, ...): the length written, or with `targetLength` 0 an
    // estimate of the length needed; 0 or below on failure. Fails when not available.
    int Normalize(const char16_t* source, int sourceLength, char16_t* target,
                  int targetLength) const;

  private:
    void* library_ = nullptr;
    void* entry_ = nullptr;
};

#if !defined(_WIN32)
// The POSIX implementation stands in for a configured Windows system; tests set what the
// system would be. The defaults are code page 950 and an available normalization library.
// Setting the code page while another thread reads texts is not supported.
void SetAnsiCodePage(std::uint32_t codePage);
void SetNormalizationAvailable(bool available);
#endif

} // namespace platform
