// The block scanner finds what a byte-by-byte search finds, at every alignment.
#include "text/ByteSearch.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

TEST(ByteOrEndScanner, FindsEachSeparatorInTurnAcrossBlocks) {
    // Fields of 0 to 20 bytes: several per block, and fields longer than a block.
    const std::string line = ";a;;bb;" + std::string(20, 'c') + ";d;" + std::string(16, 'e') + ";" +
                             std::string(15, 'f') + ";;g";
    alignas(16) char buffer[128];
    for (std::size_t shift = 0; shift < 16; ++shift) {
        char* text = buffer + shift;
        std::memcpy(text, line.c_str(), line.size() + 1);
        std::vector<std::size_t> expected, found;
        for (std::size_t at = 0; at <= line.size(); ++at)
            if (text[at] == ';' || text[at] == '\0')
                expected.push_back(at);
        ByteOrEndScanner scanner(';');
        for (char* from = text;;) {
            char* next = scanner.Find(from);
            found.push_back(static_cast<std::size_t>(next - text));
            if (*next == '\0')
                break;
            *next = '\0'; // as the splitter ends each field
            from = next + 1;
        }
        EXPECT_EQ(found, expected) << "shift " << shift;
    }
}

TEST(ByteScanner, PassesOverZeroBytesAcrossBlocks) {
    const std::string text =
        std::string("a\0\n\n", 4) + std::string(16, '\0') + "\nb" + std::string(30, 'c') + "\n";
    alignas(16) char buffer[96] = {};
    for (std::size_t shift = 0; shift < 16; ++shift) {
        text.copy(buffer + shift, text.size());
        std::vector<std::size_t> found;
        ByteScanner scanner('\n');
        for (char* from = buffer + shift; found.size() < 4;) {
            char* next = scanner.Find(from);
            found.push_back(static_cast<std::size_t>(next - buffer) - shift);
            *next = '\0'; // as the line is cut
            from = next + 1;
        }
        EXPECT_EQ(found, (std::vector<std::size_t>{2, 3, 20, 52})) << "shift " << shift;
    }
}

TEST(ByteOrEndScanner, ForgetsBytesThatChanged) {
    alignas(16) char text[] = "ab;cd;ef";
    ByteOrEndScanner scanner(';');
    EXPECT_EQ(scanner.Find(text), text + 2);
    text[4] = ';'; // a byte not yet passed changes
    scanner.Forget();
    EXPECT_EQ(scanner.Find(text + 3), text + 4);
}

} // namespace
