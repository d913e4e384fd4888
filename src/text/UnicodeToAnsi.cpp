#include "text/UnicodeToAnsi.h"

#include "platform/CodePages.h"
#include "text/CodePageConversion.h"
#include "text/NumberCharacters.h"

#include <algorithm>
#include <array>
#include <climits>
#include <memory>
#include <new>
#include <optional>

namespace {

// The text goes through UTF-16 in pieces of at most this many bytes, so that the platform's
// int lengths hold for files of any size and the UTF-16 buffer stays small.
constexpr std::size_t kPieceBytes = 64 * 1024;
// A lone surrogate: the platform writes its default character for it.
constexpr char16_t kInvalidUnit = 0xDC00;
constexpr std::uint32_t kCodePageUtf7 = 65000;

bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// UTF-16 pieces of the text, each ending at a line feed where one is near, and never inside a
// character.
class WidePieces {
  public:
    // A piece of n bytes gives at most n units, so a short text takes no more room than its size.
    WidePieces(UnicodeForm form, const char* text, std::size_t size)
        : form_(form), text_(text), size_(size), room_(size == 0 ? 1 : std::min(size, kPieceBytes)),
          units_(new (std::nothrow) char16_t[room_]) {}

    bool Ready() const { return units_ != nullptr; }

    // The next piece's units, 0 at the end, -1 when the platform refuses the text.
    int Next(char16_t*& units) {
        units = units_.get();
        if (position_ >= size_)
            return 0;
        return form_ == UnicodeForm::Utf8 ? NextFromUtf8() : NextFromUtf16();
    }

  private:
    int NextFromUtf8() {
        const auto* bytes = reinterpret_cast<const unsigned char*>(text_);
        std::size_t end = size_ - position_ > kPieceBytes ? position_ + kPieceBytes : size_;
        if (end < size_) {
            std::size_t cut = end;
            while (cut > position_ && bytes[cut - 1] != '\n')
                --cut;
            if (cut > position_) {
                end = cut;
            } else {
                // No line feed: back off over the continuation bytes of a character.
                for (int step = 0; step < 3 && (bytes[end] & 0xC0) == 0x80; ++step)
                    --end;
            }
        }
        const int count = CodePageToWide(platform::kCodePageUtf8, 0, text_ + position_,
                                         static_cast<int>(end - position_), units_.get(),
                                         static_cast<int>(room_));
        position_ = end;
        return count > 0 ? count : -1;
    }

    int NextFromUtf16() {
        const std::size_t available = (size_ - position_) / 2;
        if (available == 0) {
            position_ = size_; // the odd last byte
            units_[0] = kInvalidUnit;
            return 1;
        }
        std::size_t count = available > kPieceBytes / 2 ? kPieceBytes / 2 : available;
        for (std::size_t unit = 0; unit < count; ++unit)
            units_[unit] = UnitAt(position_ + 2 * unit);
        if (count < available) {
            std::size_t cut = count;
            while (cut > 0 && units_[cut - 1] != u'\n')
                --cut;
            if (cut > 0)
                count = cut;
            else if (IsHighSurrogate(units_[count - 1]))
                --count;
        }
        position_ += 2 * count;
        return static_cast<int>(count);
    }

    char16_t UnitAt(std::size_t offset) const {
        const auto first = static_cast<unsigned char>(text_[offset]);
        const auto second = static_cast<unsigned char>(text_[offset + 1]);
        return form_ == UnicodeForm::Utf16LittleEndian ? char16_t(first | second << 8)
                                                       : char16_t(first << 8 | second);
    }

    UnicodeForm form_;
    const char* text_;
    std::size_t size_;
    std::size_t position_ = 0;
    std::size_t room_; // units
    std::unique_ptr<char16_t[]> units_;
};

class AnsiWriter {
  public:
    AnsiWriter()
        : codePage_(platform::AnsiCodePage()),
          utf_(codePage_ == platform::kCodePageUtf8 || codePage_ == kCodePageUtf7),
          flags_(utf_ ? 0 : platform::kWcNoBestFitChars) {}

    // Turns every surrogate pair the code page cannot hold into one invalid unit, so that it
    // gives one default character, not two, and each character of numbers that it lacks (a
    // no-break space, a dash, a full-width digit) into its ASCII stand-in. Returns the new count,
    // or -1 when the platform fails to say whether it holds a character.
    int JoinUnmappablePairs(char16_t* units, int count) {
        if (utf_)
            return count; // UTF-8 and UTF-7 hold every character
        int kept = 0;
        for (int read = 0; read < count; ++read) {
            if (units[read] >= 0xA0 && NumberStandIn(units[read]) != 0) {
                const std::optional<bool> held = Holds(units[read], &units[read], 1);
                if (!held)
                    return -1;
                units[kept] =
                    *held ? units[read] : static_cast<char16_t>(NumberStandIn(units[read]));
                ++kept;
                continue;
            }
            if (read + 1 < count && IsHighSurrogate(units[read]) &&
                IsLowSurrogate(units[read + 1])) {
                const char16_t pair[2] = {units[read], units[read + 1]};
                ++read;
                const std::optional<bool> held = Holds(CharacterOf(pair), pair, 2);
                if (!held)
                    return -1;
                if (*held) {
                    units[kept++] = pair[0];
                    units[kept++] = pair[1];
                } else {
                    units[kept++] = kInvalidUnit;
                }
                continue;
            }
            units[kept++] = units[read];
        }
        return kept;
    }

    // Converts `count` units to `target`, or only measures them when `target` is null. Zero
    // units are written by hand: not every converter goes past them. Returns the bytes, or -1.
    long long Convert(const char16_t* units, int count, char* target, std::size_t room) const {
        std::size_t written = 0;
        int start = 0;
        while (start < count) {
            int end = start;
            while (end < count && units[end] != u'\0')
                ++end;
            if (end > start) {
                // A limit of 0 would only measure: a full target is a failure here.
                const std::size_t left = target ? room - written : 0;
                if (target && left == 0)
                    return -1;
                const int limit = left > INT_MAX ? INT_MAX : static_cast<int>(left);
                const int bytes =
                    WideToCodePage(platform::kCodePageAnsi, flags_, units + start, end - start,
                                   target ? target + written : nullptr, limit, nullptr, nullptr);
                if (bytes <= 0)
                    return -1;
                written += static_cast<std::size_t>(bytes);
            }
            if (end < count) {
                if (target) {
                    if (written == room)
                        return -1;
                    target[written] = '\0';
                }
                ++written;
            }
            start = end + 1;
        }
        return static_cast<long long>(written);
    }

  private:
    static char32_t CharacterOf(const char16_t (&pair)[2]) {
        return 0x10000 + ((pair[0] - 0xD800u) << 10) + (pair[1] - 0xDC00u);
    }

    // Whether the code page holds the character of `units`; none when the platform fails to
    // say. Asks the platform once per character: the answers of recent characters are kept,
    // since a text tends to repeat the few such characters it has.
    std::optional<bool> Holds(char32_t character, const char16_t* units, int count) {
        KnownCharacter& known = known_[character % known_.size()];
        if (known.character == character)
            return known.maps;
        char bytes[16];
        bool usedDefault = false;
        const int length = WideToCodePage(platform::kCodePageAnsi, flags_, units, count, bytes,
                                          sizeof bytes, nullptr, &usedDefault);
        if (length <= 0)
            return std::nullopt;
        known = {character, !usedDefault};
        return known.maps;
    }

    struct KnownCharacter {
        char32_t character = 0; // 0: none yet
        bool maps = false;
    };
    std::array<KnownCharacter, 64> known_{};
    std::uint32_t codePage_;
    bool utf_;
    std::uint32_t flags_;
};

// Runs the whole text through the writer: measures it when `target` is null, else writes it.
// Returns the bytes, or -1.
long long ConvertAll(UnicodeForm form, const char* text, std::size_t size, char* target,
                     std::size_t room) {
    WidePieces pieces(form, text, size);
    if (!pieces.Ready())
        return -1;
    AnsiWriter writer;
    std::size_t total = 0;
    for (;;) {
        char16_t* units = nullptr;
        int count = pieces.Next(units);
        if (count < 0)
            return -1;
        if (count == 0)
            return static_cast<long long>(total);
        count = writer.JoinUnmappablePairs(units, count);
        if (count < 0)
            return -1;
        const long long bytes = target ? writer.Convert(units, count, target + total, room - total)
                                       : writer.Convert(units, count, nullptr, 0);
        if (bytes < 0)
            return -1;
        total += static_cast<std::size_t>(bytes);
    }
}

} // namespace

bool ConvertToAnsiCodePage(UnicodeForm form, const char* text, std::size_t size,
                           platform::FileBytes& converted) {
    converted = platform::FileBytes{};
    const long long measured = ConvertAll(form, text, size, nullptr, 0);
    if (measured < 0)
        return false;
    const auto length = static_cast<std::size_t>(measured);
    std::unique_ptr<char[]> bytes(new (std::nothrow) char[length + 1]());
    if (!bytes)
        return false;
    if (ConvertAll(form, text, size, bytes.get(), length) != measured)
        return false;
    converted.data = std::move(bytes);
    converted.size = length;
    return true;
}
