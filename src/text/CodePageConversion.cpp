#include "text/CodePageConversion.h"

#include "platform/CodePages.h"

namespace {

std::uint32_t Resolve(std::uint32_t codePage) {
    return codePage == platform::kCodePageAnsi ? platform::AnsiCodePage() : codePage;
}

} // namespace

int CodePageToWide(std::uint32_t codePage, std::uint32_t flags, const char* source,
                   int sourceLength, char16_t* target, int targetLength) {
    codePage = Resolve(codePage);
    if (codePage == platform::kCodePageVietnamese)
        return Cp1258ToWide(flags, source, sourceLength, target, targetLength);
    return platform::MultiByteToWide(codePage, flags, source, sourceLength, target, targetLength);
}

int WideToCodePage(std::uint32_t codePage, std::uint32_t flags, const char16_t* source,
                   int sourceLength, char* target, int targetLength, const char* defaultChar,
                   bool* usedDefault) {
    codePage = Resolve(codePage);
    if (codePage == platform::kCodePageVietnamese)
        return WideToCp1258(flags, source, sourceLength, target, targetLength, defaultChar,
                            usedDefault);
    return platform::WideToMultiByte(codePage, flags, source, sourceLength, target, targetLength,
                                     defaultChar, usedDefault);
}
