// UTF-16 to code page 1258: the text is normalized to form C where the platform can, then every
// precomposed letter with a tone is split into its base byte and tone-mark byte.
#include "text/CodePageConversion.h"

#include "platform/CodePages.h"
#include "text/BufferOverlap.h"
#include "text/Cp1258Tables.h"

#include <memory>
#include <new>

namespace {

struct SourceExtent {
    int length;      // units to convert
    bool terminated; // whether a 0 unit ends them
};

SourceExtent MeasureSource(const char16_t* source, int sourceLength) {
    int length = 0;
    while ((sourceLength == -1 || length < sourceLength) && source[length] != u'\0')
        ++length;
    return {length, sourceLength == -1 || length < sourceLength};
}

// The text in normalization form C, when the platform's normalization is there and succeeds.
class NormalizedText {
  public:
    NormalizedText(const char16_t* text, int length) {
        if (length <= 0)
            return;
        const platform::FormCNormalizer normalizer;
        if (!normalizer.Available())
            return;
        int size = normalizer.Normalize(text, length, nullptr, 0);
        // The size is an estimate; when it proves too small, the failed call tells a better one.
        for (int attempt = 0; attempt < 3 && size > 0; ++attempt) {
            units_.reset(new (std::nothrow) char16_t[static_cast<std::size_t>(size)]);
            if (!units_)
                return;
            const int written = normalizer.Normalize(text, length, units_.get(), size);
            if (written > 0) {
                length_ = written;
                return;
            }
            if (platform::LastError() != platform::kErrorInsufficientBuffer)
                break;
            size = -written;
        }
        units_.reset();
    }

    bool Available() const { return length_ > 0; }
    const char16_t* Units() const { return units_.get(); }
    int Length() const { return length_; }

  private:
    std::unique_ptr<char16_t[]> units_;
    int length_ = 0;
};

// The bytes of one UTF-16 unit.
struct UnitBytes {
    char bytes[8];
    int count;       // 0 when the platform could not convert the unit
    bool decomposed; // a base byte and a tone-mark byte
};

UnitBytes ConvertUnit(char16_t unit, std::uint32_t flags, const char* defaultChar,
                      bool* usedDefault, bool measureOnly) {
    UnitBytes result{};
    unsigned char base = 0;
    int tone = 0;
    unsigned char byte = 0;
    if (FindDecomposition(unit, &base, &tone)) {
        result.bytes[0] = static_cast<char>(base);
        result.bytes[1] = static_cast<char>(toneMarks[static_cast<std::size_t>(tone)].byte);
        result.count = 2;
        result.decomposed = true;
    } else if (FindCp1258Char(&unit, &byte)) {
        result.bytes[0] = static_cast<char>(byte);
        result.count = 1;
    } else if (unit <= 0xFF && Cp1258CharOf(static_cast<unsigned char>(unit)) == unit) {
        // A byte that stands for another character here (0xDE is a tone mark, 0xD0 is D with
        // stroke) would change the text: such units go to the platform below.
        result.bytes[0] = static_cast<char>(unit);
        result.count = 1;
    } else {
        // Only characters none of the tables cover reach the platform, one unit at a time.
        bool used = false;
        bool* usedReceiver = usedDefault ? &used : nullptr;
        result.count = platform::WideToMultiByte(platform::kCodePageVietnamese, flags, &unit, 1,
                                                 nullptr, 0, defaultChar, usedReceiver);
        if (result.count > 0 && !measureOnly) {
            // Into a buffer of our own: the caller's target may have less room than it needs.
            result.count = platform::WideToMultiByte(platform::kCodePageVietnamese, flags, &unit, 1,
                                                     result.bytes, sizeof result.bytes, defaultChar,
                                                     usedReceiver);
        }
        if (usedDefault && used)
            *usedDefault = true;
    }
    return result;
}

} // namespace

int WideToCp1258(std::uint32_t flags, const char16_t* source, int sourceLength, char* target,
                 int targetLength, const char* defaultChar, bool* usedDefault) {
    if (!source)
        return 0;
    if (usedDefault)
        *usedDefault = false;
    if (sourceLength == 0 || sourceLength < -1)
        return 0;
    const SourceExtent extent = MeasureSource(source, sourceLength);
    const bool counting = targetLength == 0;
    if (!counting) {
        if (!target) {
            platform::SetLastError(platform::kErrorInsufficientBuffer);
            return 0;
        }
        // Writing over the units still to be read would convert corrupted text.
        const std::size_t sourceBytes =
            (static_cast<std::size_t>(extent.length) + extent.terminated) * sizeof(char16_t);
        const std::size_t targetBytes =
            targetLength > 0 ? static_cast<std::size_t>(targetLength) : 0;
        if (BuffersOverlap(target, targetBytes, source, sourceBytes)) {
            platform::SetLastError(platform::kErrorInvalidParameter);
            return 0;
        }
        if (targetLength < 0)
            return 0;
    }

    // Only the units the caller gave are normalized, never what lies beyond a count.
    const NormalizedText normalized(source, extent.length);
    const char16_t* text = normalized.Available() ? normalized.Units() : source;
    const int length = normalized.Available() ? normalized.Length() : extent.length;

    bool failed = false;
    int written = 0;
    bool full = false;
    for (int i = 0; i < length && !full; ++i) {
        if (!counting && written == targetLength) {
            full = true;
            break;
        }
        const UnitBytes unit = ConvertUnit(text[i], flags, defaultChar, usedDefault, counting);
        if (unit.count <= 0) {
            failed = true; // the platform's error code stays set
            continue;
        }
        if (counting) {
            written += unit.count;
            continue;
        }
        const int room = targetLength - written;
        if (unit.count > room) {
            // A split letter with one byte of room keeps its base byte; then the target is full.
            if (unit.decomposed)
                target[written++] = unit.bytes[0];
            full = true;
            break;
        }
        for (int b = 0; b < unit.count; ++b)
            target[written++] = unit.bytes[b];
    }
    if (extent.terminated && !full) {
        if (counting)
            ++written;
        else if (written < targetLength)
            target[written++] = '\0';
    }
    return failed ? 0 : written;
}
