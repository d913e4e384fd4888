#include "text/UnicodeToAnsi.h"

#include "platform/CodePages.h"
#include "platform/LargePages.h"
#include "text/AnsiWriter.h"
#include "text/AsciiRuns.h"
#include "text/ByteSearch.h"
#include "text/CodePageConversion.h"

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <cstring>
#include <memory>
#include <new>
#include <optional>
#include <vector>

namespace {

// The text goes through UTF-16 in pieces of at most this many bytes, so that the platform's
// int lengths hold for files of any size and the UTF-16 buffer stays small.
constexpr std::size_t kPieceBytes = 64 * 1024;

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

// Whether the ANSI code page writes every ASCII character as its own byte, as every code page
// that Windows uses for ANSI text does; asked of the platform once per conversion. None when the
// platform fails to answer.
std::optional<bool> KeepsAscii() {
    char16_t ascii[0x7F];
    char expected[0x7F];
    for (int unit = 1; unit < 0x80; ++unit) {
        ascii[unit - 1] = static_cast<char16_t>(unit);
        expected[unit - 1] = static_cast<char>(unit);
    }
    char bytes[4 * sizeof ascii];
    const int length = WideToCodePage(platform::kCodePageAnsi, 0, ascii, 0x7F, bytes,
                                      static_cast<int>(sizeof bytes), nullptr, nullptr);
    if (length <= 0)
        return std::nullopt;
    return length == 0x7F && std::memcmp(bytes, expected, 0x7F) == 0;
}

// The text's characters as 16-bit units for the run rules: bytes of UTF-8, units of UTF-16.
// A UTF-8 byte of 0x80 or above stands for its character's part.
class Units {
  public:
    Units(UnicodeForm form, const char* text, std::size_t size)
        : form_(form), bytes_(reinterpret_cast<const unsigned char*>(text)),
          count_(form == UnicodeForm::Utf8 ? size : size / 2),
          oddByte_(form != UnicodeForm::Utf8 && size % 2 != 0) {}

    // Units, the odd last byte of UTF-16 text not among them.
    std::size_t Count() const { return count_; }
    bool OddByte() const { return oddByte_; }
    char16_t At(std::size_t index) const {
        if (form_ == UnicodeForm::Utf8)
            return bytes_[index];
        const unsigned first = bytes_[2 * index];
        const unsigned second = bytes_[2 * index + 1];
        return form_ == UnicodeForm::Utf16LittleEndian ? char16_t(first | second << 8)
                                                       : char16_t(first << 8 | second);
    }
    // The number of ASCII units from `index` on, up to `end`.
    std::size_t AsciiRun(std::size_t index, std::size_t end) const {
        if (form_ == UnicodeForm::Utf8)
            return AsciiRunLength(bytes_ + index, end - index);
        // Four units a word: a unit is ASCII when its high byte and the low byte's top bit are 0.
        static_assert(std::endian::native == std::endian::little, "words are read little-endian");
        const std::uint64_t high =
            form_ == UnicodeForm::Utf16LittleEndian ? 0xFF80FF80FF80FF80u : 0x80FF80FF80FF80FFu;
        std::size_t run = 0;
        while (index + run + 4 <= end && (ascii_runs::Word(bytes_ + 2 * (index + run)) & high) == 0)
            run += 4;
        while (index + run < end && At(index + run) < 0x80)
            ++run;
        return run;
    }
    // An ASCII unit is written as its byte unless a character that may combine with it follows:
    // that one goes to the platform with the rest of its run. Line feeds and zeros combine with
    // nothing.
    bool Direct(std::size_t index) const {
        const char16_t unit = At(index);
        if (unit >= 0x80)
            return false;
        return unit == u'\n' || unit == u'\0' || index + 1 == count_ || At(index + 1) < 0x80;
    }
    const unsigned char* Bytes() const { return bytes_; }

  private:
    UnicodeForm form_;
    const unsigned char* bytes_;
    std::size_t count_;
    bool oddByte_;
};

// Converts the text in two passes: the first sends only the runs that are not plain ASCII to
// the platform, a piece at a time with a line feed after each run, and keeps what they give; the
// second writes the ASCII between them itself. -1 when the platform refuses the text or memory
// runs short.
class AsciiRunConverter {
  public:
    AsciiRunConverter(UnicodeForm form, const char* text, std::size_t size)
        : units_(form, text, size), form_(form) {}

    bool Convert(platform::FileBytes& converted) {
        std::size_t direct = 0;
        if (!ConvertRuns(direct))
            return false;
        const std::size_t length = direct + converted_.size() - separators_;
        std::unique_ptr<char[]> bytes(new (std::nothrow) char[length + 1]);
        if (!bytes)
            return false;
        platform::PreferLargePages(bytes.get(), length + 1);
        if (WriteAll(bytes.get()) != length)
            return false;
        bytes[length] = '\0';
        converted.data = std::move(bytes);
        converted.size = length;
        return true;
    }

  private:
    // Where the piece that starts at `begin` ends: after a line feed where one is near, else
    // before an ASCII character, which never combines with what comes before it; never inside a
    // character or between the halves of a surrogate pair.
    std::size_t PieceEnd(std::size_t begin) const {
        const std::size_t count = units_.Count();
        // As many bytes of UTF-8, or of UTF-16 as there are units: a piece's units fit.
        const std::size_t piece = form_ == UnicodeForm::Utf8 ? kPieceBytes : kPieceBytes / 2;
        if (count - begin <= piece)
            return count;
        std::size_t end = begin + piece;
        for (std::size_t cut = end; cut > begin; --cut) {
            if (units_.At(cut - 1) == u'\n')
                return cut;
        }
        for (std::size_t cut = end; cut > begin; --cut) {
            if (units_.At(cut) < 0x80)
                return cut;
        }
        if (form_ == UnicodeForm::Utf8) {
            for (int step = 0; step < 3 && (units_.At(end) & 0xC0) == 0x80; ++step)
                --end;
        } else if (IsHighSurrogate(units_.At(end - 1))) {
            --end;
        }
        return end;
    }

    // The direct units from `index` on, which is one: an ASCII run but for a last unit that a
    // character combining with it follows.
    std::size_t DirectRun(std::size_t index, std::size_t end) const {
        const std::size_t run = units_.AsciiRun(index, end);
        return run > 1 && !units_.Direct(index + run - 1) ? run - 1 : run;
    }

    bool ConvertRuns(std::size_t& direct) {
        AnsiWriter writer;
        std::size_t begin = 0;
        while (begin < units_.Count()) {
            const std::size_t end = PieceEnd(begin);
            if (!ConvertPiece(writer, begin, end, direct))
                return false;
            begin = end;
        }
        // The odd last byte of UTF-16 text is a run of its own.
        char16_t invalid[2] = {kInvalidUnit, u'\n'};
        return !units_.OddByte() || Append(writer, invalid, 2, 1);
    }

    // Gathers the piece's runs, each followed by a line feed unless it goes on into the next
    // piece, converts them in one go and keeps the bytes.
    bool ConvertPiece(AnsiWriter& writer, std::size_t begin, std::size_t end, std::size_t& direct) {
        const bool utf8 = form_ == UnicodeForm::Utf8;
        gathered_.clear();
        bytes8_.clear();
        int runs = 0;
        bool open = false; // the last run reaches the piece's end
        for (std::size_t index = begin; index < end;) {
            if (units_.Direct(index)) {
                const std::size_t taken = DirectRun(index, end);
                direct += taken;
                index += taken;
                continue;
            }
            const std::size_t start = index;
            while (index < end && !units_.Direct(index))
                ++index;
            if (utf8) {
                bytes8_.insert(bytes8_.end(), units_.Bytes() + start, units_.Bytes() + index);
            } else {
                for (std::size_t unit = start; unit < index; ++unit)
                    gathered_.push_back(units_.At(unit));
            }
            // A run goes on into the next piece only when that piece starts inside it.
            open = index == end && end < units_.Count() && !units_.Direct(end);
            if (!open && utf8)
                bytes8_.push_back('\n');
            else if (!open)
                gathered_.push_back(u'\n');
            ++runs;
        }
        if (runs == 0)
            return true;
        const int separators = open ? runs - 1 : runs;
        if (!utf8)
            return Append(writer, gathered_.data(), gathered_.size(), separators);
        // The gathered bytes of UTF-8 are decoded first.
        wide_.resize(bytes8_.size());
        const int count = CodePageToWide(platform::kCodePageUtf8, 0, bytes8_.data(),
                                         static_cast<int>(bytes8_.size()), wide_.data(),
                                         static_cast<int>(wide_.size()));
        if (count <= 0)
            return false;
        return Append(writer, wide_.data(), static_cast<std::size_t>(count), separators);
    }

    // Converts `count` units holding `separators` line feeds that end runs and keeps the bytes.
    // The units are joined where they lie.
    bool Append(AnsiWriter& writer, char16_t* units, std::size_t count, int separators) {
        const int joinedCount = writer.JoinUnmappablePairs(units, static_cast<int>(count));
        if (joinedCount < 0)
            return false;
        const std::size_t start = converted_.size();
        const std::size_t room = 4 * static_cast<std::size_t>(joinedCount) + 8;
        converted_.resize(start + room);
        const long long bytes = writer.Convert(units, joinedCount, converted_.data() + start, room);
        if (bytes < 0)
            return false;
        converted_.resize(start + static_cast<std::size_t>(bytes));
        // A line feed is never part of another character's bytes in an ANSI code page.
        const std::size_t found =
            CountByte(converted_.data() + start, converted_.size() - start, '\n');
        if (found != static_cast<std::size_t>(separators))
            return false;
        separators_ += static_cast<std::size_t>(separators);
        return true;
    }

    // Writes the direct units and, in their places, the kept bytes of each run. Returns the
    // bytes written.
    std::size_t WriteAll(char* target) const {
        std::size_t written = 0;
        std::size_t next = 0; // in converted_
        const std::size_t count = units_.Count();
        for (std::size_t index = 0; index < count;) {
            if (units_.Direct(index)) {
                const std::size_t taken = DirectRun(index, count);
                if (form_ == UnicodeForm::Utf8) {
                    std::memcpy(target + written, units_.Bytes() + index, taken);
                } else {
                    NarrowAsciiUnits(units_.Bytes() + 2 * index, taken,
                                     form_ == UnicodeForm::Utf16BigEndian, target + written);
                }
                written += taken;
                index += taken;
                continue;
            }
            while (index < count && !units_.Direct(index))
                ++index;
            next = CopyRun(target, written, next);
        }
        if (units_.OddByte())
            next = CopyRun(target, written, next);
        return written;
    }

    std::size_t CopyRun(char* target, std::size_t& written, std::size_t next) const {
        const char* start = converted_.data() + next;
        const auto* end =
            static_cast<const char*>(std::memchr(start, '\n', converted_.size() - next));
        const std::size_t length = static_cast<std::size_t>(end - start);
        std::memcpy(target + written, start, length);
        written += length;
        return next + length + 1;
    }

    Units units_;
    UnicodeForm form_;
    std::vector<char16_t> gathered_;
    std::vector<char> bytes8_;
    std::vector<char16_t> wide_;
    // Each run's bytes and a line feed: a big file's runs would otherwise fault in page by page
    // at every growth.
    std::vector<char, platform::LargePageAllocator<char>> converted_;
    std::size_t separators_ = 0;
};

} // namespace

bool ConvertToAnsiCodePage(UnicodeForm form, const char* text, std::size_t size,
                           platform::FileBytes& converted) {
    converted = platform::FileBytes{};
    const std::optional<bool> keepsAscii = KeepsAscii();
    if (!keepsAscii)
        return false;
    if (*keepsAscii) {
        try {
            if (AsciiRunConverter(form, text, size).Convert(converted))
                return true;
        } catch (const std::bad_alloc&) {
            return false;
        }
        converted = platform::FileBytes{};
        return false;
    }
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
