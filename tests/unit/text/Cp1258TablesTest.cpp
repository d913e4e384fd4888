// The code page 1258 tables, entry by entry, against Unicode data and the published mapping.
#include "text/Cp1258Tables.h"
#include "IcuReference.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

namespace {

using icu_reference::Cp1258Char;
using icu_reference::Nfc;
using icu_reference::Nfd;

// The precomposed characters that are no canonical composition of a code page 1258 letter and
// a tone mark: O and U with acute or diaeresis, with tilde. Each holds the same marks in
// another order.
const std::map<std::pair<unsigned char, int>, char16_t> kAdditions = {
    {{0xD3, 2}, 0x1E4C}, {{0xF3, 2}, 0x1E4D}, {{0xD6, 2}, 0x1E4E},
    {{0xF6, 2}, 0x1E4F}, {{0xDA, 2}, 0x1E78}, {{0xFA, 2}, 0x1E79},
};

std::u16string Chars(unsigned char base, char16_t mark) {
    return std::u16string{*Cp1258Char(base), mark};
}

// The single character NFC makes of a code page 1258 character and a mark, or 0.
char16_t CanonicalComposition(unsigned char base, char16_t mark) {
    const std::u16string composed = Nfc(Chars(base, mark));
    return composed.size() == 1 ? composed[0] : 0;
}

TEST(ToneMarks, AreTheFiveCombiningMarksOfTheCodePage) {
    const char* const names[] = {"COMBINING GRAVE ACCENT", "COMBINING HOOK ABOVE",
                                 "COMBINING TILDE", "COMBINING ACUTE ACCENT",
                                 "COMBINING DOT BELOW"};
    for (int tone = 0; tone < kToneCount; ++tone) {
        const ToneMark& mark = toneMarks[static_cast<std::size_t>(tone)];
        EXPECT_EQ(Cp1258Char(mark.byte), mark.mark) << tone;
        EXPECT_EQ(icu_reference::CharName(mark.mark), names[tone]) << tone;
    }
}

TEST(CompositionTable, EveryEntryIsTheCanonicalCompositionOrAnAddition) {
    for (const CompositionRecord& record : compositionTable) {
        ASSERT_TRUE(Cp1258Char(record.base)) << int(record.base);
        for (int tone = 0; tone < kToneCount; ++tone) {
            const auto addition = kAdditions.find({record.base, tone});
            const char16_t expected = addition != kAdditions.end()
                                          ? addition->second
                                          : CanonicalComposition(record.base, toneMarks[tone].mark);
            EXPECT_EQ(record.composed[tone], expected)
                << std::hex << int(record.base) << " tone " << tone;
        }
    }
}

TEST(CompositionTable, AdditionsHoldTheSameMarksInAnotherOrder) {
    for (const auto& [key, unit] : kAdditions) {
        const auto [base, tone] = key;
        EXPECT_EQ(CanonicalComposition(base, toneMarks[tone].mark), 0) << std::hex << int(unit);
        std::u16string expected = Nfd(Chars(base, toneMarks[tone].mark));
        std::u16string actual = Nfd(std::u16string(1, unit));
        std::sort(expected.begin(), expected.end());
        std::sort(actual.begin(), actual.end());
        EXPECT_EQ(actual, expected) << std::hex << int(unit);
    }
}

TEST(CompositionTable, BasesAreEveryComposingCharacterInByteOrder) {
    std::set<unsigned char> expected;
    for (int byte = 1; byte < 256; ++byte) {
        const auto base = static_cast<unsigned char>(byte);
        if (!Cp1258Char(base))
            continue;
        for (const ToneMark& mark : toneMarks)
            if (CanonicalComposition(base, mark.mark) != 0)
                expected.insert(base);
    }
    EXPECT_EQ(expected.size(), 69u);
    for (const auto& addition : kAdditions)
        expected.insert(addition.first.first);

    std::set<unsigned char> bases;
    for (const CompositionRecord& record : compositionTable)
        bases.insert(record.base);
    EXPECT_EQ(bases, expected);
    EXPECT_TRUE(std::is_sorted(
        compositionTable.begin(), compositionTable.end(),
        [](const CompositionRecord& a, const CompositionRecord& b) { return a.base < b.base; }));
}

TEST(CompositionTable, CountsPerToneMark) {
    int counts[kToneCount] = {};
    for (const CompositionRecord& record : compositionTable)
        for (int tone = 0; tone < kToneCount; ++tone)
            counts[tone] += record.composed[tone] != 0;
    EXPECT_EQ(counts[0], 31); // grave
    EXPECT_EQ(counts[1], 24); // hook above
    EXPECT_EQ(counts[2], 34); // tilde
    EXPECT_EQ(counts[3], 59); // acute
    EXPECT_EQ(counts[4], 50); // dot below
    const CompositionRecord& a = compositionTable.front();
    EXPECT_EQ(a.base, 'A');
    EXPECT_EQ(a.composed, (std::array<char16_t, 5>{0x00C0, 0x1EA2, 0x00C3, 0x00C1, 0x1EA0}));
}

TEST(DecompositionTable, IsTheInverseOfTheCompositionsAndU1FEE) {
    std::map<char16_t, std::pair<unsigned char, int>> expected;
    for (const CompositionRecord& record : compositionTable)
        for (int tone = 0; tone < kToneCount; ++tone)
            if (record.composed[tone] != 0)
                expected[record.composed[tone]] = {record.base, tone};
    EXPECT_EQ(expected.size(), 198u); // no character composes two ways
    expected[0x1FEE] = {0xA8, 3};
    // U+1FEE is canonically the diaeresis with the acute accent.
    EXPECT_EQ(Nfd(u"\u1FEE"), Nfd(Chars(0xA8, 0x0301)));

    std::map<char16_t, std::pair<unsigned char, int>> actual;
    for (const DecompositionEntry& entry : decompositionTable)
        actual[entry.composed] = {entry.base, entry.tone};
    EXPECT_EQ(actual, expected);
    EXPECT_TRUE(std::adjacent_find(decompositionTable.begin(), decompositionTable.end(),
                                   [](const DecompositionEntry& a, const DecompositionEntry& b) {
                                       return a.composed >= b.composed;
                                   }) == decompositionTable.end());
}

TEST(HighCharTable, IsEveryByteAboveU00FFInThePublishedMapping) {
    std::map<unsigned char, char16_t> expected;
    for (int byte = 0; byte < 256; ++byte) {
        const auto character = Cp1258Char(static_cast<unsigned char>(byte));
        if (character && *character > 0xFF)
            expected[static_cast<unsigned char>(byte)] = *character;
    }
    std::map<unsigned char, char16_t> actual;
    for (const HighChar& high : highCharTable)
        actual[high.byte] = high.unit;
    EXPECT_EQ(actual, expected);
    EXPECT_EQ(actual.size(), 37u);
    EXPECT_EQ(actual[0x80], 0x20AC);
    EXPECT_EQ(actual[0xFE], 0x20AB);
}

TEST(Cp1258CharOf, GivesThePublishedCharacterOrTheByteValue) {
    for (int byte = 0; byte < 256; ++byte) {
        const auto published = Cp1258Char(static_cast<unsigned char>(byte));
        EXPECT_EQ(Cp1258CharOf(static_cast<unsigned char>(byte)), published.value_or(byte)) << byte;
    }
}

TEST(IsComposedPair, JoinsExactlyTheTablePairs) {
    int pairs = 0;
    for (int first = 1; first < 256; ++first) {
        for (int second = 0; second < 256; ++second) {
            const char bytes[] = {static_cast<char>(first), static_cast<char>(second)};
            char16_t composed = 0;
            if (!IsComposedPair(bytes, &composed))
                continue;
            ++pairs;
            unsigned char base = 0;
            int tone = -1;
            ASSERT_TRUE(FindDecomposition(composed, &base, &tone));
            EXPECT_EQ(base, first);
            EXPECT_EQ(toneMarks[static_cast<std::size_t>(tone)].byte, second);
        }
    }
    EXPECT_EQ(pairs, 198);
}

TEST(IsComposedPair, Examples) {
    char16_t composed = 0;
    EXPECT_EQ(IsComposedPair("A\xD2", &composed), 1);
    EXPECT_EQ(composed, 0x1EA2);
    EXPECT_EQ(IsComposedPair("\xE2\xEC", nullptr), 1);
    composed = 0;
    EXPECT_EQ(IsComposedPair("B\xD2", &composed), 0); // no B with hook above
    EXPECT_EQ(composed, 0);
    EXPECT_EQ(IsComposedPair("1\xEC", &composed), 0);
    EXPECT_EQ(IsComposedPair("A", &composed), 0);
    EXPECT_EQ(IsComposedPair("", &composed), 0);
    EXPECT_EQ(IsComposedPair(nullptr, &composed), 0);
}

TEST(FindDecomposition, FindsEveryEntry) {
    for (const DecompositionEntry& entry : decompositionTable) {
        unsigned char base = 0;
        int tone = -1;
        ASSERT_EQ(FindDecomposition(entry.composed, &base, &tone), 1)
            << std::hex << int(entry.composed);
        EXPECT_EQ(base, entry.base);
        EXPECT_EQ(tone, entry.tone);
        EXPECT_EQ(FindDecomposition(entry.composed, nullptr, nullptr), 1);
    }
}

TEST(FindDecomposition, MissesEverythingElse) {
    int found = 0;
    for (int unit = 0; unit <= 0xFFFF; ++unit)
        found += FindDecomposition(static_cast<char16_t>(unit), nullptr, nullptr);
    EXPECT_EQ(found, 199);
    unsigned char base = 0x55;
    int tone = 7;
    EXPECT_EQ(FindDecomposition(u'A', &base, &tone), 0);
    EXPECT_EQ(base, 0x55);
    EXPECT_EQ(tone, 7);
}

TEST(FindCp1258Char, FindsTheHighCharactersOnly) {
    int found = 0;
    for (int unit = 0; unit <= 0xFFFF; ++unit) {
        const auto value = static_cast<char16_t>(unit);
        unsigned char byte = 0;
        if (!FindCp1258Char(&value, &byte))
            continue;
        ++found;
        EXPECT_EQ(Cp1258Char(byte), value);
    }
    EXPECT_EQ(found, 37);
    const char16_t breve = 0x0103;
    EXPECT_EQ(FindCp1258Char(&breve, nullptr), 1);
    EXPECT_EQ(FindCp1258Char(nullptr, nullptr), 0);
}

} // namespace
