// The code page 1258 (Vietnamese) tables. In that code page a letter with a tone is a base byte
// followed by a tone-mark byte; these tables join such pairs into precomposed UTF-16 characters
// and split them again.
#pragma once

#include <array>

inline constexpr int kToneCount = 5;

struct ToneMark {
    unsigned char byte;
    char16_t mark;
};

// A base byte and its precomposed character per tone index; 0 where there is none.
struct CompositionRecord {
    unsigned char base;
    std::array<char16_t, kToneCount> composed;
};

struct DecompositionEntry {
    char16_t composed;
    unsigned char base;
    unsigned char tone;
};

struct HighChar {
    unsigned char byte;
    char16_t unit;
};

// Grave, hook above, tilde, acute and dot below: the position is the tone index.
extern const std::array<ToneMark, kToneCount> toneMarks;
// In ascending order of the base byte.
extern const std::array<CompositionRecord, 75> compositionTable;
// The inverse of compositionTable and U+1FEE, in ascending order of the code point.
extern const std::array<DecompositionEntry, 199> decompositionTable;
// The bytes whose character lies above U+00FF; every other byte stands for its own value.
extern const std::array<HighChar, 37> highCharTable;

// 1 and the precomposed character when pair[0] is a base byte and pair[1] a tone mark that
// composes with it, else 0. Reads pair[1] only when pair[0] is a base byte, so a pointer to the
// last byte of a zero-terminated string is safe. `composed` may be null.
int IsComposedPair(const char* pair, char16_t* composed);

// 1 and the base byte and tone index of a precomposed character, else 0. Receivers may be null.
int FindDecomposition(char16_t unit, unsigned char* base, int* tone);

// 1 and the byte of a character of highCharTable, else 0. `byte` may be null; a null unit gives 0.
int FindCp1258Char(const char16_t* unit, unsigned char* byte);

// The character of a single byte of code page 1258.
char16_t Cp1258CharOf(unsigned char byte);
