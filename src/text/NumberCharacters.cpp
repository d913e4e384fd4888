#include "text/NumberCharacters.h"

#include "platform/CodePages.h"
#include "text/CodePageConversion.h"

#include <array>
#include <cstdint>

namespace {

// The two-byte characters of one ANSI code page that NumberCharacterAsAscii folds.
class DoubleByteFolds {
  public:
    // Asks the code page once for each character that folds: its two bytes, and back.
    explicit DoubleByteFolds(std::uint32_t codePage) : codePage_(codePage) {
        auto add = [this](char32_t character) {
            const auto unit = static_cast<char16_t>(character);
            char bytes[4] = {};
            bool usedDefault = false;
            const int length = WideToCodePage(platform::kCodePageAnsi, platform::kWcNoBestFitChars,
                                              &unit, 1, bytes, sizeof bytes, nullptr, &usedDefault);
            char16_t back = 0;
            if (length != 2 || usedDefault ||
                CodePageToWide(platform::kCodePageAnsi, 0, bytes, 2, &back, 1) != 1 || back != unit)
                return;
            folds_[count_++] = {static_cast<unsigned char>(bytes[0]),
                                static_cast<unsigned char>(bytes[1]),
                                NumberCharacterAsAscii(character)};
        };
        for (char32_t character = 0xFF01; character <= 0xFF19; ++character) {
            if (NumberCharacterAsAscii(character) != 0)
                add(character);
        }
        for (char32_t character = 0x2010; character <= 0x2015; ++character)
            add(character);
        add(0x2212);
    }

    std::uint32_t CodePage() const { return codePage_; }

    char Find(unsigned char lead, unsigned char trail) const {
        for (std::size_t index = 0; index < count_; ++index) {
            if (folds_[index].lead == lead && folds_[index].trail == trail)
                return folds_[index].ascii;
        }
        return 0;
    }

  private:
    struct Fold {
        unsigned char lead;
        unsigned char trail;
        char ascii;
    };
    std::uint32_t codePage_;
    std::array<Fold, 32> folds_{};
    std::size_t count_ = 0;
};

} // namespace

char NumberCharacterAsAscii(char32_t character) {
    if (character >= 0xFF10 && character <= 0xFF19)
        return static_cast<char>('0' + (character - 0xFF10));
    switch (character) {
    case 0xFF03:
    case 0xFF08:
    case 0xFF09:
    case 0xFF0A:
    case 0xFF0B:
    case 0xFF0D:
    case 0xFF0E:
    case 0xFF0F:
        return static_cast<char>(character - 0xFF00 + 0x20); // the full-width forms follow ASCII
    case 0x2010:
    case 0x2011:
    case 0x2012:
    case 0x2013:
    case 0x2014:
    case 0x2015:
    case 0x2212:
        return '-';
    default:
        return 0;
    }
}

char DoubleByteNumberCharacterAsAscii(unsigned char lead, unsigned char trail) {
    // Kept per thread for the last code page asked about, as the code page rarely changes.
    thread_local DoubleByteFolds folds(platform::AnsiCodePage());
    const std::uint32_t codePage = platform::AnsiCodePage();
    if (folds.CodePage() != codePage)
        folds = DoubleByteFolds(codePage);
    return folds.Find(lead, trail);
}

char NumberStandIn(char16_t character) {
    if (character == 0x00A0 || character == 0x202F)
        return ' ';
    return NumberCharacterAsAscii(character);
}
