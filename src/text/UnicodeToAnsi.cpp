#include "text/UnicodeToAnsi.h"

#include "platform/CodePages.h"
#include "text/AnsiWriter.h"
#include "text/CodePageConversion.h"

#include <memory>
#include <new>

namespace {

// The text goes through UTF-16 in pieces of at most this many bytes, so that the platform's
// int lengths hold for files of any size and the UTF-16 buffer stays small.
constexpr std::size_t kPieceBytes = 64 * 1024;

// UTF-16 pieces of the text, each ending at a line feed where one is near, and never inside a
// character.
class WidePieces {
  public:
    WidePieces(UnicodeForm form, const char* text, std::size_t size)
        : form_(form), text_(text), size_(size), units_(new (std::nothrow) char16_t[kPieceBytes]) {}

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
                                         static_cast<int>(kPieceBytes));
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
    std::unique_ptr<char16_t[]> units_;
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
