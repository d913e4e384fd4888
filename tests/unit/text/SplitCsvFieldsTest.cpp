// Cutting CSV lines into fields where they lie.
#include "text/FieldHelpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The line in a buffer of its own, as the CSV reader holds it, and its split.
struct SplitLine {
    explicit SplitLine(const std::string& text) : buffer(text.begin(), text.end()) {
        buffer.push_back('\0');
        fields.fill(nullptr);
        fields[0] = buffer.data();
        result = SplitCsvFields(fields);
    }

    std::vector<std::string> Fields() const {
        std::vector<std::string> texts;
        for (int i = 0; i < result; ++i)
            texts.emplace_back(fields[static_cast<std::size_t>(i)]);
        return texts;
    }

    bool InBuffer(const char* pointer) const {
        return pointer >= buffer.data() && pointer < buffer.data() + buffer.size();
    }

    std::vector<char> buffer;
    FieldArray fields;
    int result = 0;
};

using Texts = std::vector<std::string>;

TEST(SplitCsvFields, PlainFieldsKeepTheirSpaces) {
    SplitLine line("Name, Fax ,x");
    EXPECT_EQ(line.result, 3);
    EXPECT_EQ(line.Fields(), (Texts{"Name", " Fax ", "x"}));
}

TEST(SplitCsvFields, FieldsArePiecesOfTheLineBuffer) {
    SplitLine line("ab,\"cd\",ef");
    ASSERT_EQ(line.result, 3);
    EXPECT_EQ(line.fields[0], line.buffer.data());
    EXPECT_EQ(line.fields[1], line.buffer.data() + 4);
    EXPECT_EQ(line.fields[2], line.buffer.data() + 8);
}

TEST(SplitCsvFields, EmptyFieldsAtTheEdges) {
    EXPECT_EQ(SplitLine("a,b,").Fields(), (Texts{"a", "b", ""}));
    EXPECT_EQ(SplitLine(",,").Fields(), (Texts{"", "", ""}));
    EXPECT_EQ(SplitLine(",a").Fields(), (Texts{"", "a"}));
    EXPECT_EQ(SplitLine("\"\"").Fields(), (Texts{""}));
}

TEST(SplitCsvFields, EmptyLineHasNoFields) {
    SplitLine line("");
    EXPECT_EQ(line.result, 0);
    EXPECT_EQ(line.fields[0], line.buffer.data());
    EXPECT_EQ(line.fields[1], nullptr);
}

TEST(SplitCsvFields, NoLineHasNoFields) {
    FieldArray fields{};
    EXPECT_EQ(SplitCsvFields(fields), 0);
}

TEST(SplitCsvFields, SpacesOnlyAreAField) {
    EXPECT_EQ(SplitLine(" ").Fields(), (Texts{" "}));
    EXPECT_EQ(SplitLine("   ,  ").Fields(), (Texts{"   ", "  "}));
}

TEST(SplitCsvFields, QuotedFieldKeepsCommas) {
    EXPECT_EQ(SplitLine("\"Chen, Ann\",02-1234").Fields(), (Texts{"Chen, Ann", "02-1234"}));
}

TEST(SplitCsvFields, DoubledQuotesBecomeOne) {
    EXPECT_EQ(SplitLine("\"say \"\"hi\"\" now\",x").Fields(), (Texts{"say \"hi\" now", "x"}));
    EXPECT_EQ(SplitLine("\"\"\"\"").Fields(), (Texts{"\""}));
    EXPECT_EQ(SplitLine("\"a\"\"\"\"b\",c").Fields(), (Texts{"a\"\"b", "c"}));
    EXPECT_EQ(SplitLine("\"\"\"x\"\"\",\"\"\"\",y").Fields(), (Texts{"\"x\"", "\"", "y"}));
}

TEST(SplitCsvFields, QuotedFieldEndsAtFirstSingleQuote) {
    EXPECT_EQ(SplitLine("\"x\"y,z").Fields(), (Texts{"x", "z"}));
    EXPECT_EQ(SplitLine("\"x\" \"y\",z").Fields(), (Texts{"x", "z"}));
    EXPECT_EQ(SplitLine("\"x\"y").Fields(), (Texts{"x"}));
}

TEST(SplitCsvFields, DoubledQuoteWithNoQuoteAfterEndsTheField) {
    EXPECT_EQ(SplitLine("\"ab\"\"cd,e").Fields(), (Texts{"ab", "e"}));
}

TEST(SplitCsvFields, OnlyOpeningQuotesAreSpecial) {
    EXPECT_EQ(SplitLine("ab\"c,d").Fields(), (Texts{"ab\"c", "d"}));
    EXPECT_EQ(SplitLine(" \"a,b\"").Fields(), (Texts{" \"a", "b\""}));
}

TEST(SplitCsvFields, NeverClosedQuoteIsAnError) {
    SplitLine line("a,\"bc,d");
    EXPECT_EQ(line.result, -6);
    EXPECT_STREQ(line.fields[0], "a"); // cut before the bad field, and stays cut
    EXPECT_EQ(SplitLine("\"").result, -6);
    EXPECT_EQ(SplitLine("x,\"").result, -6);
    EXPECT_EQ(SplitLine("a,b,\"c\"\"").result, 3); // closed, then a lone quote after it
}

TEST(SplitCsvFields, Big5BytesPassThrough) {
    // 傳真 and 久 (second byte 0x5B) are bytes of no interest to the split.
    EXPECT_EQ(SplitLine("\xB6\xC7\xAF\x75,\xA4\x5B").Fields(),
              (Texts{"\xB6\xC7\xAF\x75", "\xA4\x5B"}));
}

TEST(SplitCsvFields, AtMost1024FieldsAndTheRestInTheLastSlot) {
    SplitLine line(std::string(1100, ','));
    EXPECT_EQ(line.result, 1024);
    EXPECT_STREQ(line.fields[1023], "");
    ASSERT_TRUE(line.InBuffer(line.fields[1024]));
    EXPECT_EQ(line.fields[1024], line.buffer.data() + 1024);
    EXPECT_EQ(std::string(line.fields[1024]), std::string(76, ','));
}

TEST(SplitCsvFields, FieldLimitBoundaries) {
    std::string numbered;
    for (int i = 0; i < 1025; ++i)
        numbered += (i ? "," : "") + std::to_string(i);
    SplitLine all(numbered);
    EXPECT_EQ(all.result, 1024);
    EXPECT_STREQ(all.fields[1023], "1023");
    EXPECT_STREQ(all.fields[1024], "1024");

    SplitLine exactly(std::string(1023, ','));
    EXPECT_EQ(exactly.result, 1024);
    EXPECT_EQ(exactly.fields[1024], nullptr);

    SplitLine oneMore(std::string(1024, ','));
    EXPECT_EQ(oneMore.result, 1024);
    EXPECT_STREQ(oneMore.fields[1024], "");
}

} // namespace
