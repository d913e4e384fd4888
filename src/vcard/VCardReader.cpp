#include "vcard/VCardReader.h"

#include "session/SourceFailures.h"
#include "vcard/VCardCard.h"
#include "vcard/VCardDetection.h"
#include "vcard/VCardLines.h"
#include "vcard/VCardProperty.h"

#include <algorithm>
#include <string_view>

namespace {

std::string_view WithoutTrailingBlanks(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool IsCardBoundary(const VCardProperty& property, std::string_view name) {
    return EqualsIgnoringCase(property.name, name) && property.parameters.empty() &&
           EqualsIgnoringCase(WithoutTrailingBlanks(property.value), "VCARD");
}

// 2.1 writes an agent's card right after "AGENT:" or on the same line.
bool OpensAgentCard(const VCardProperty& property) {
    return EqualsIgnoringCase(property.name, "AGENT") &&
           EqualsIgnoringCase(WithoutTrailingBlanks(property.value), "BEGIN:VCARD");
}

int ReadCards(platform::FileBytes& content, CsvCandidateTable& table, int32_t& excludedCards) {
    const std::size_t mark = Utf8MarkLength(content.data.get(), content.size);
    char* text = content.data.get() + mark;
    const std::size_t size = content.size - mark;
    // Every candidate takes a line of its own.
    const auto lineBreaks = static_cast<std::size_t>(
        std::count_if(text, text + size, [](char c) { return c == '\n' || c == '\r'; }));
    if (!table.Allocate(lineBreaks + 1, 1))
        return kOutOfMemory;

    excludedCards = 0;
    VCardCard card(table);
    VCardLines lines(text, size);
    int depth = 0; // cards open, the agents' included
    std::string_view line;
    while (lines.Next(line)) {
        const VCardProperty property = ParseProperty(line);
        if (!property.valid)
            continue;
        if (IsCardBoundary(property, "BEGIN")) {
            if (depth++ == 0)
                card.Begin();
        } else if (IsCardBoundary(property, "END")) {
            if (depth > 0 && --depth == 0)
                card.End(excludedCards);
        } else if (depth > 0 && OpensAgentCard(property)) {
            ++depth;
        } else if (depth == 1) {
            card.Take(property);
        }
    }
    if (depth > 0)
        return kInvalidCsvData;
    return card.AnyNumber() ? 1 : kNoFaxNumberFound;
}

} // namespace

int ReadVCardCandidates(platform::FileBytes& content, CsvCandidateTable& table,
                        int32_t& excludedCards) {
    return OutOfMemoryAsFailure([&] { return ReadCards(content, table, excludedCards); });
}
