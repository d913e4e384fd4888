// UTF-16 text written in the ANSI code page: characters of numbers that the code page lacks get
// their ASCII stand-ins, and a character the code page lacks gives one default character.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>

// A lone surrogate: the platform writes its default character for it.
inline constexpr char16_t kInvalidUnit = 0xDC00;

inline bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
inline bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

class AnsiWriter {
  public:
    AnsiWriter();

    // Turns every surrogate pair the code page cannot hold into one invalid unit, so that it
    // gives one default character, not two, and each character of numbers that it lacks (a
    // no-break space, a dash, a full-width digit) into its ASCII stand-in. Returns the new count,
    // or -1 when the platform fails to say whether it holds a character.
    int JoinUnmappablePairs(char16_t* units, int count);

    // Converts `count` units to `target`, or only measures them when `target` is null. Zero
    // units are written by hand: not every converter goes past them. Returns the bytes, or -1.
    long long Convert(const char16_t* units, int count, char* target, std::size_t room) const;

  private:
    // Whether the code page holds the character of `units`; none when the platform fails to
    // say. Asks the platform once per character: the answers of recent characters are kept,
    // since a text tends to repeat the few such characters it has.
    std::optional<bool> Holds(char32_t character, const char16_t* units, int count);

    struct KnownCharacter {
        char32_t character = 0; // 0: none yet
        bool maps = false;
    };
    std::array<KnownCharacter, 64> known_{};
    std::uint32_t codePage_;
    bool utf_;
    std::uint32_t flags_;
};
