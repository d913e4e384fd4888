// The decoders for the masked texts of EWS-CSV files: Base64, sometimes rotated with ROT13
// first. Each writes a zero-terminated text into `output` and never past its end; a decoded
// zero byte ends the text for every later use.
#pragma once

#include <cstddef>
#include <span>
#include <string_view>

// The working text of DecodeMaskedText: masked inputs longer than 63 bytes decode to nothing.
inline constexpr std::size_t kMaskedTextBuffer = 64;

// Standard Base64 (RFC 4648, section 4). Bytes outside the alphabet, the pad included, count as
// 0. An input whose length is not a multiple of 4 gives an empty output; a pad in the third or
// fourth place of a group ends the output there. Decoded bytes that do not fit are dropped.
void DecodeBase64(std::span<char> output, std::string_view input);

// ROT13 of the letters a to z and A to Z; other bytes are copied. Bytes that do not fit are
// dropped.
void Rot13(std::span<char> output, std::string_view input);

// ROT13, then Base64. Empty for an empty input or one too long for the working text.
void DecodeMaskedText(std::span<char> output, std::string_view input);
