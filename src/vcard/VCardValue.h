// Decoding a vCard value where it lies: quoted-printable bytes, escapes and components.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// Decodes quoted-printable text in place: "=" and two hexadecimal digits (in either case) give
// that byte; an "=" at the very end (a soft line break) goes; any other "=" without them stays
// as written. Returns the decoded size.
std::size_t DecodeQuotedPrintable(char* text, std::size_t size);

// The lead bytes of a double-byte code page: a trail byte 0x5C there is no backslash.
using LeadByteTable = std::array<bool, 256>;

// The components of a value, unescaped in place: "\," "\;" "\\" give the character, "\n" and "\N"
// a space, as a line break inside a CSV field gives, and so do CR and LF bytes; a backslash before
// anything else stays.
class ValueComponents {
  public:
    // `leads` may be null (UTF-8 and single-byte values). With `split`, an unescaped ";" ends a
    // component (N, ORG); without, the whole value is one.
    ValueComponents(char* text, std::size_t size, const LeadByteTable* leads, bool split)
        : read_(text), end_(text + size), leads_(leads), split_(split) {}

    // The next component; false after the last one.
    bool Next(std::string_view& component);

  private:
    char* read_;
    char* end_;
    const LeadByteTable* leads_;
    bool split_;
    bool done_ = false;
};
