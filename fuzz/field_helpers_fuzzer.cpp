// The in-place field helpers on one line of text under each ANSI code page.
// Input: the text, then (from the end) the code page and the clip limit.
#include "FuzzSupport.h"
#include "text/FieldHelpers.h"
#include "text/NumberCharacters.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <vector>

namespace {

bool IsToneMarkByte(unsigned char byte) {
    return byte == 0xCC || byte == 0xD2 || byte == 0xDE || byte == 0xEC || byte == 0xF2;
}

// One step of the helpers' walk: two bytes for a two-byte character whose second byte is there.
std::size_t StepAt(const char* text) {
    return IsDoubleByteStart(text) && text[1] != '\0' ? 2 : 1;
}

// For every position of the text and its end, whether a character begins there: one walk and
// one allocation per input, shared by the checks.
std::vector<char> Boundaries(const char* text, std::size_t length) {
    std::vector<char> boundary(length + 1, 0);
    for (std::size_t at = 0; at < length; at += StepAt(text + at))
        boundary[at] = 1;
    boundary[length] = 1;
    return boundary;
}

void CheckDoubleByteStart(std::string_view text, std::uint32_t codePage) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        const bool start = IsDoubleByteStart(text.data() + at);
        const auto byte = static_cast<unsigned char>(text[at]);
        switch (codePage) {
        case 950:
        case 936:
            FUZZ_REQUIRE(start == (byte >= 0x81 && byte <= 0xFE));
            break;
        case 932:
            FUZZ_REQUIRE(start ==
                         ((byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC)));
            break;
        case 1258:
            // A base letter followed by a tone mark that composes with it.
            FUZZ_REQUIRE(
                !start ||
                (at + 1 < text.size() && IsToneMarkByte(static_cast<unsigned char>(text[at + 1])) &&
                 ((byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') || byte >= 0xA0)));
            break;
        default:
            FUZZ_REQUIRE(!start);
            break;
        }
    }
}

void CheckSplit(std::string_view text) {
    HeapText line(text);
    FieldArray fields{};
    fields[0] = line.Data();
    const int count = SplitCsvFields(fields);
    const std::size_t length = line.Length();
    if (length == 0) {
        FUZZ_REQUIRE(count == 0);
        return;
    }
    FUZZ_REQUIRE(count == -6 || (count >= 1 && count <= kMaxCsvFields));
    if (count < 0)
        return;
    // Every field lies inside the line, after the one before it.
    const char* previousEnd = nullptr;
    for (int i = 0; i < count; ++i) {
        const char* field = fields[static_cast<std::size_t>(i)];
        FUZZ_REQUIRE(field && line.Holds(field));
        const char* end = field + std::strlen(field);
        FUZZ_REQUIRE(line.Holds(end));
        FUZZ_REQUIRE(!previousEnd || field > previousEnd);
        previousEnd = end;
    }
    if (fields[kMaxCsvFields])
        FUZZ_REQUIRE(count == kMaxCsvFields && line.Holds(fields[kMaxCsvFields]));

    // Without quotes the fields are the pieces between commas, the rest of a long line unsplit.
    const std::string_view original = text.substr(0, length);
    if (original.find('"') != std::string_view::npos)
        return;
    std::size_t start = 0;
    for (int i = 0; i < count; ++i) {
        const std::size_t comma = original.find(',', start);
        const std::size_t end = comma == std::string_view::npos ? length : comma;
        FUZZ_REQUIRE(original.substr(start, end - start) == fields[static_cast<std::size_t>(i)]);
        FUZZ_REQUIRE((i + 1 < count) == (comma != std::string_view::npos) ||
                     (i + 1 == kMaxCsvFields && comma != std::string_view::npos));
        start = end + 1;
    }
    if (fields[kMaxCsvFields])
        FUZZ_REQUIRE(original.substr(start) == fields[kMaxCsvFields]);
}

// Bytes below 0x80 are kept upper-cased when the fax application accepts them; a two-byte
// character of the code page goes whole, or as the ASCII form it folds to.
void CheckCleanFaxNumber(std::string_view text) {
    HeapText number(text);
    std::string expected;
    const std::string_view view = number.View();
    // The platform is asked once per byte value, not once per byte: -1 until asked.
    signed char lead[256];
    std::memset(lead, -1, sizeof lead);
    const auto isLead = [&lead](unsigned char byte) {
        if (lead[byte] < 0)
            lead[byte] = platform::IsLeadByte(platform::kCodePageAnsi, byte) ? 1 : 0;
        return lead[byte] == 1;
    };
    for (std::size_t at = 0; at < view.size(); ++at) {
        const auto byte = static_cast<unsigned char>(view[at]);
        if (at + 1 < view.size() && isLead(byte)) {
            if (const char ascii = DoubleByteNumberCharacterAsAscii(
                    platform::AnsiCodePage(), byte, static_cast<unsigned char>(view[at + 1])))
                expected += ascii;
            ++at;
            continue;
        }
        char c = view[at];
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
        if (IsCleanFaxNumber(std::string_view(&c, 1)))
            expected += c;
    }
    const int length = CleanFaxNumber(number.Data());
    FUZZ_REQUIRE(length >= 0 && static_cast<std::size_t>(length) <= number.Length());
    FUZZ_REQUIRE(number.View() == expected);
    FUZZ_REQUIRE(static_cast<std::size_t>(length) == expected.size());
    FUZZ_REQUIRE(CleanFaxNumber(number.Data()) == length); // a clean number stays as it is
}

void CheckTrimSpaces(std::string_view text) {
    HeapText trimmed(text);
    std::string_view expected = text.substr(0, trimmed.Length());
    while (!expected.empty() && expected.front() == ' ')
        expected.remove_prefix(1);
    while (!expected.empty() && expected.back() == ' ')
        expected.remove_suffix(1);
    TrimSpaces(trimmed.Data());
    FUZZ_REQUIRE(trimmed.View() == expected);
}

void CheckReplaceBrackets(std::string_view text, const std::vector<char>& boundary) {
    HeapText replaced(text);
    const std::string_view original = text.substr(0, replaced.Length());
    ReplaceBrackets(replaced.Data());
    const std::string_view result = replaced.View();
    FUZZ_REQUIRE(result.size() == original.size());
    // Brackets that begin a character turn round; every other byte stays, second bytes too.
    for (std::size_t at = 0; at < original.size(); ++at) {
        const bool isStart = boundary[at] != 0;
        const char before = original[at];
        char expected = before;
        if (isStart && before == '[')
            expected = '(';
        else if (isStart && before == ']')
            expected = ')';
        FUZZ_REQUIRE(result[at] == expected);
    }
}

void CheckClip(std::string_view text, int limit, const std::vector<char>& boundary) {
    const HeapText clipped(text);
    const std::size_t length = clipped.Length();
    const int result = ClipToCharBoundary(clipped.Data(), limit);
    FUZZ_REQUIRE(result >= 0 && static_cast<std::size_t>(result) <= length);
    if (limit <= 0) {
        FUZZ_REQUIRE(result == 0);
        return;
    }
    FUZZ_REQUIRE(result <= limit);
    // The result is a boundary, and the next one lies beyond the limit: the longest prefix.
    const auto at = static_cast<std::size_t>(result);
    FUZZ_REQUIRE(boundary[at] != 0);
    std::size_t next = at + 1;
    while (next < length && boundary[next] == 0)
        ++next;
    FUZZ_REQUIRE(at == length || next > static_cast<std::size_t>(limit));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    const std::uint32_t codePage = input.PickValueInArray(kAnsiCodePages);
    const int limit = input.ConsumeIntegralInRange<int>(-2, 300);
    const std::string text = input.ConsumeRemainingBytesAsString();
    platform::SetAnsiCodePage(codePage);

    const std::string_view line(text.data(), std::min(text.size(), text.find('\0')));
    const std::vector<char> boundary = Boundaries(line.data(), line.size());
    CheckDoubleByteStart(line, codePage);
    CheckSplit(text);
    CheckCleanFaxNumber(text);
    CheckTrimSpaces(text);
    CheckReplaceBrackets(text, boundary);
    CheckClip(text, limit, boundary);
    return 0;
}
