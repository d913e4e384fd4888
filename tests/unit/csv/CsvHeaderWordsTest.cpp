// Header fields against the header words: the words of each role, and fields that differ from a
// word only at its first character.
#include "csv/CsvHeaderWords.h"

#include "text/FixedTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(CsvHeaderWords, EachRoleRangeHoldsExactlyItsWords) {
    std::size_t total = 0;
    for (int role = 0; role <= static_cast<int>(HeaderRole::PhoneValue); ++role) {
        const auto words = HeaderWordsOf(HeaderRole(role), HeaderRole(role));
        EXPECT_FALSE(words.empty()) << role;
        for (const HeaderWord& word : words)
            EXPECT_EQ(word.role, HeaderRole(role)) << word.word;
        total += words.size();
    }
    EXPECT_EQ(total, HeaderWords().size());
}

TEST(CsvHeaderWords, FieldsAreComparedFromTheirFirstCharacter) {
    const struct {
        std::string_view header, word;
        bool expected;
    } cases[] = {
        {"  full name ", "Full Name", true},
        {"Xull Name", "Full Name", false},
        {"Phone 12 - Value", "Phone # - Value", true},
        {"#", "Phone # - Value", false},
        {texts::kFaxHeaderWord, texts::kFaxHeaderWord, true},
        {"\xb6", texts::kFaxHeaderWord, false},
        {"", "Name", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HeaderIsWord(c.header, c.word), c.expected) << c.header;
        EXPECT_EQ(ContainsWord(std::string(c.header).c_str(), c.word), c.expected) << c.header;
    }
}

} // namespace
