// What the fuzz targets share: the invariant check, heap copies sized exactly so that the
// address sanitizer sees every byte read or written past them, and the code pages to run under.
#pragma once

#include "platform/CodePages.h"
#include "platform/Files.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

// A broken invariant ends the run as a crash, so libFuzzer keeps the input.
#define FUZZ_REQUIRE(condition)                                                                    \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: invariant broken: %s\n", __FILE__, __LINE__, #condition); \
            std::abort();                                                                          \
        }                                                                                          \
    } while (false)

// The ANSI code pages the text rules depend on: Big5 (the product's) for half the inputs, then
// Vietnamese (two-byte characters by composition), Shift-JIS, GBK and a single-byte one. Text
// converted to Vietnamese goes to the platform one character at a time, the costliest way an
// input can take, and shows nothing new for each further character.
inline constexpr std::array<std::uint32_t, 8> kAnsiCodePages = {950,  950, 950, 950,
                                                                1258, 932, 936, 1252};

// `bytes` up to their first zero byte, in a heap block that ends right after its terminator.
class HeapText {
  public:
    explicit HeapText(std::string_view bytes)
        : length_(std::min(bytes.size(), bytes.find('\0'))), data_(new char[length_ + 1]) {
        std::memcpy(data_.get(), bytes.data(), length_);
        data_[length_] = '\0';
    }
    char* Data() { return data_.get(); }
    const char* Data() const { return data_.get(); }
    std::size_t Length() const { return length_; } // as copied, before any change
    std::string_view View() const { return {data_.get(), std::strlen(data_.get())}; }
    // Whether `p` points into the text or at its terminator.
    bool Holds(const char* p) const { return p >= data_.get() && p <= data_.get() + length_; }

  private:
    std::size_t length_;
    std::unique_ptr<char[]> data_;
};

// A file's bytes as platform::ReadWholeFile gives them: the bytes and one zero byte, no more.
inline platform::FileBytes FileBytesOf(std::string_view bytes) {
    platform::FileBytes file;
    file.data.reset(new char[bytes.size() + 1]);
    std::memcpy(file.data.get(), bytes.data(), bytes.size());
    file.data[bytes.size()] = '\0';
    file.size = bytes.size();
    return file;
}

// Whether a fixed-size text member has its terminator within the member.
template <std::size_t N> bool TerminatedWithin(const char (&member)[N]) {
    return std::memchr(member, '\0', N) != nullptr;
}

// Whether a text holds only what CleanFaxNumber keeps.
inline bool IsCleanFaxNumber(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x21 || byte > 0x7A || c == ',' || c == '[' || c == ']' ||
            (c >= 'a' && c <= 'z'))
            return false;
    }
    return true;
}
