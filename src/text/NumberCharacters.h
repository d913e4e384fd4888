// Characters beyond ASCII that people type in phone numbers.
#pragma once

#include <cstdint>

// The ASCII form of a character typed in a number: the full-width digits, plus, hyphen-minus,
// parentheses, full stop, number sign, asterisk and slash, the dashes U+2010 to U+2015 and the
// minus sign U+2212. 0 for every other character.
char NumberCharacterAsAscii(char32_t character);

// The same for the two-byte character `lead` `trail` of a double-byte code page (932, 936, 949
// or 950; 0 for any other code page).
char DoubleByteNumberCharacterAsAscii(std::uint32_t codePage, unsigned char lead,
                                      unsigned char trail);

// What stands in a number for a character that a code page may lack: a space for the no-break
// spaces U+00A0 and U+202F, and the ASCII form of every character NumberCharacterAsAscii folds
// (a hyphen-minus for the non-breaking hyphen U+2011 and the minus sign); 0 for any other.
char NumberStandIn(char16_t character);
