// Splitting records where a quoted field may carry over several lines.
#include "csv/CsvRecords.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

struct Record {
    int result; // as SplitCsvRecord returns it
    Texts fields;
    std::size_t lastLine; // the record's last line

    bool operator==(const Record&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Record& record) {
    out << record.result << " @" << record.lastLine << " "
        << ::testing::PrintToString(record.fields);
    return out;
}

// Every record of a text, as the reader takes them one after another.
std::vector<Record> Records(std::string text, char separator = ',') {
    text.push_back('\0');
    CsvLines lines;
    lines.Cut(text.data(), text.size() - 1);
    std::vector<Record> records;
    FieldArray fields{};
    for (std::size_t line = 0; line < lines.Count(); ++line) {
        const int result = SplitCsvRecord(lines, line, separator, fields);
        Record record{result, {}, line};
        for (int field = 0; field < result; ++field)
            record.fields.emplace_back(fields[static_cast<std::size_t>(field)]);
        records.push_back(record);
        if (result < 0)
            break;
    }
    return records;
}

TEST(CsvRecords, QuotedLineBreaksBecomeOneSpaceEach) {
    EXPECT_EQ(Records("a,\"x\ny\",b\nc\n"),
              (std::vector<Record>{{3, {"a", "x y", "b"}, 1}, {1, {"c"}, 2}, {0, {}, 3}}));
    EXPECT_EQ(Records("\"x\r\ny\r\n\r\nz\",1\r\n").front(), (Record{2, {"x y  z", "1"}, 3}));
    // A lone carriage return is no line break where line feeds end lines: it stays in the field.
    EXPECT_EQ(Records("\"x\ry\",1\n").front(), (Record{2, {"x\ry", "1"}, 0}));
    EXPECT_EQ(Records("\"x\ry\",1").front(), (Record{2, {"x y", "1"}, 1}));
}

TEST(CsvRecords, FieldsAfterAJoinedFieldAreSplitAsUsual) {
    EXPECT_EQ(Records("\"a\nb\",\"c\nd\",e,\"f\"\"g\"\n").front(),
              (Record{4, {"a b", "c d", "e", "f\"g"}, 2}));
    // Doubled quotes inside a field that goes on over lines.
    EXPECT_EQ(Records("\"Say\n\"\"hi\"\" there\",1\n").front(),
              (Record{2, {"Say \"hi\" there", "1"}, 1}));
    // Text after the closing quote is dropped as on one line.
    EXPECT_EQ(Records("\"a\nb\"junk,c\n").front(), (Record{2, {"a b", "c"}, 1}));
}

TEST(CsvRecords, QuoteOpenAtTheEndOfTheFileIsTheOnlyFailure) {
    EXPECT_EQ(Records("a,\"b\nc\nd").back(), (Record{-6, {}, 2}));
    EXPECT_EQ(Records("a,\"b\n").back(), (Record{-6, {}, 1}));
    // A doubled quote leaves the field open, on the line where it opened as on any other.
    EXPECT_EQ(Records("\"a\"\"b\nc\",d\n").front(), (Record{2, {"a\"b c", "d"}, 1}));
    EXPECT_EQ(Records("\"a\"\"b\nc").back(), (Record{-6, {}, 1}));
}

TEST(CsvRecords, DoubledQuotesAreOneQuoteOnEveryLineOfAField) {
    EXPECT_EQ(Records("\"Wang\",\"Road \"\"A\"\" Block\n5F\",\"02-2700-1234\"\n").front(),
              (Record{3, {"Wang", "Road \"A\" Block 5F", "02-2700-1234"}, 1}));
    EXPECT_EQ(Records("\"\"\"\n\"\"\n\"\"\"\n").front(), (Record{1, {"\" \" \""}, 2}));
}

TEST(CsvRecords, EmptyLinesInsideAQuotedFieldArePartOfIt) {
    EXPECT_EQ(Records("\"a\n\n\nb\"\n").front(), (Record{1, {"a   b"}, 3}));
}

TEST(CsvRecords, OtherSeparatorsSplitWithTheSameQuoting) {
    EXPECT_EQ(Records("a;\"b;c\";d,e\n", ';').front(), (Record{3, {"a", "b;c", "d,e"}, 0}));
    EXPECT_EQ(Records("a\t\"b\tc\nd\"\t\n", '\t').front(), (Record{3, {"a", "b\tc d", ""}, 1}));
}

TEST(CsvRecords, ZeroByteEndsWhatALineShows) {
    // The bytes after a zero are not part of the line, also inside a joined field.
    EXPECT_EQ(Records(std::string("\"a\0x\"\nb\",1\n", 11)).front(), (Record{2, {"a b", "1"}, 1}));
}

TEST(CsvRecords, FieldsStopAt1024OnAnyLine) {
    std::string text = "\"a\nb\"";
    for (int field = 1; field < 1100; ++field)
        text += ",f";
    text += ",\"open\nnext\n";
    const std::vector<Record> records = Records(text);
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].result, 1024);
    EXPECT_EQ(records[0].lastLine, 1u);
    // The quote after the 1024th field is not looked at: the next line is a record.
    EXPECT_EQ(records[1], (Record{1, {"next"}, 2}));
}

// Whether a quoted field is still open at the end of the text, as RFC 4180 reads it: a quote
// opens a field only at its start, a doubled quote inside is one quote, and what follows the
// closing quote up to the next comma is ignored.
bool QuoteStaysOpen(const std::string& text) {
    bool fieldStart = true;
    bool quoted = false;
    for (std::size_t at = 0; at < text.size(); ++at) {
        const char c = text[at];
        if (quoted) {
            if (c == '"' && at + 1 < text.size() && text[at + 1] == '"')
                ++at;
            else if (c == '"')
                quoted = false;
        } else if (c == ',') {
            fieldStart = true;
        } else {
            quoted = fieldStart && c == '"';
            fieldStart = false;
        }
    }
    return quoted;
}

// The lines of a text: line feeds (with a carriage return before them) end lines, or carriage
// returns when there is no line feed.
std::vector<std::string> TextLines(const std::string& text) {
    const bool feeds = text.find('\n') != std::string::npos;
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(feeds ? '\n' : '\r', start)) != std::string::npos;
         start = end + 1) {
        const std::size_t cut = feeds && end > start && text[end - 1] == '\r' ? end - 1 : end;
        lines.push_back(text.substr(start, cut - start));
    }
    lines.push_back(text.substr(start));
    return lines;
}

// The rule the splitter follows, written plainly: lines are joined, with one space per line
// break, while a quoted field is open; the joined text is then split as one line.
std::vector<Record> JoinedLineRecords(const std::string& text) {
    const std::vector<std::string> lines = TextLines(text);

    std::vector<Record> records;
    for (std::size_t first = 0; first < lines.size(); ++first) {
        std::string joined = lines[first];
        for (std::size_t last = first;; ++last) {
            std::vector<char> buffer(joined.begin(), joined.end());
            buffer.push_back('\0');
            FieldArray fields{};
            fields[0] = buffer.data();
            const bool open = QuoteStaysOpen(joined);
            const int result = open ? -6 : SplitCsvFields(fields);
            if (!open || last + 1 == lines.size()) {
                Record record{result, {}, last};
                for (int field = 0; field < result; ++field)
                    record.fields.emplace_back(fields[static_cast<std::size_t>(field)]);
                records.push_back(record);
                if (result < 0)
                    return records;
                first = last;
                break;
            }
            joined += " " + lines[last + 1];
        }
    }
    return records;
}

TEST(CsvRecords, AgreesWithJoiningLinesWhileAQuoteIsOpen) {
    std::mt19937 random(11);
    static const char* const kPieces[] = {"a",  "\"",       "\"\"", ",",    " ",  "b\"c",
                                          "\r", "\xA4\xFD", "\n",   "\r\n", "\n", "x,\"y"};
    int joined = 0;
    for (int round = 0; round < 20000; ++round) {
        std::string text;
        for (std::uint32_t count = random() % 14; count > 0; --count)
            text += kPieces[random() % std::size(kPieces)];
        const std::vector<Record> expected = JoinedLineRecords(text);
        ASSERT_EQ(Records(text), expected) << ::testing::PrintToString(text);
        for (std::size_t index = 1; index < expected.size(); ++index)
            joined += expected[index].lastLine > expected[index - 1].lastLine + 1;
    }
    EXPECT_GT(joined, 1000); // many samples do carry fields over lines
}

} // namespace
