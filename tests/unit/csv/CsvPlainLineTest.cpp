// The one-pass split of plain lines against the quoting splitter, at every alignment.
#include "csv/CsvPlainLine.h"
#include "text/QuotedFields.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

// The line's fields from SplitPlainLine, placed `offset` bytes into an aligned buffer; or, when
// it refuses the line, the line unchanged and no field.
Texts PlainFields(const std::string& line, std::size_t offset, int& result) {
    alignas(16) char buffer[kMaxPlainLine + 64] = {};
    line.copy(buffer + offset, line.size());
    FieldArray fields{};
    result = SplitPlainLine(buffer + offset, line.size(), ';', fields);
    if (result < 0)
        return {std::string(buffer + offset, line.size())};
    return Texts(fields.begin(), fields.begin() + result);
}

Texts QuotingFields(std::string line) {
    std::vector<char> buffer(line.begin(), line.end());
    buffer.push_back('\0');
    FieldArray fields{};
    const int result = SplitQuotedFields(buffer.data(), ';', fields, [](char*) -> char* {
        ADD_FAILURE() << "a quoted field in a plain line";
        return nullptr;
    });
    return Texts(fields.begin(), fields.begin() + std::max(result, 0));
}

TEST(CsvPlainLine, SplitsAsTheQuotingRulesAtEveryAlignment) {
    const std::string row = "12;\xb3\xaf\xa7\xd3;Company 7;(02) 2000-0000;;x,y\r";
    const Texts lines = {"a",
                         ";",
                         "a;",
                         ";;;",
                         row,
                         row + row + row,
                         std::string(15, 'x') + ";" + std::string(16, 'y') + ";",
                         std::string(kMaxPlainLine - 1, ';') + "z"};
    for (const std::string& line : lines) {
        for (std::size_t offset = 0; offset < 16; ++offset) {
            int result = 0;
            const Texts fields = PlainFields(line, offset, result);
            EXPECT_EQ(result, static_cast<int>(fields.size()));
            EXPECT_EQ(fields, QuotingFields(line)) << line << " at offset " << offset;
        }
    }
    int result = 1;
    EXPECT_TRUE(PlainFields("", 3, result).empty());
    EXPECT_EQ(result, 0);
}

TEST(CsvPlainLine, LeavesQuotesZerosAndLongLinesToTheQuotingRules) {
    const Texts refused = {"\"a\";b", "a;b\"c", std::string("a;\0;b", 5),
                           std::string(kMaxPlainLine + 1, 'a'),
                           std::string(20, ';') + "\"" + std::string(20, ';')};
    for (const std::string& line : refused) {
        for (std::size_t offset : {0u, 7u, 15u}) {
            int result = 0;
            EXPECT_EQ(PlainFields(line, offset, result), Texts{line});
            EXPECT_EQ(result, -1);
        }
    }
}

} // namespace
