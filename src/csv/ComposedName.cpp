#include "csv/ComposedName.h"

#include "text/TextViews.h"

#include <algorithm>
#include <array>
#include <cstring>

std::size_t ComposeName(const NameParts& parts, char* target, std::size_t room) {
    std::array<std::string_view, 3> order = {
        WithoutSpaces(parts.given), WithoutSpaces(parts.middle), WithoutSpaces(parts.family)};
    const bool ascii = std::all_of(order.begin(), order.end(),
                                   [](std::string_view part) { return IsAscii(part); });
    if (!ascii)
        std::swap(order[0], order[2]);
    const std::string_view between = ascii ? " " : "";

    std::size_t length = 0;
    auto append = [&](std::string_view text) {
        const std::size_t count = std::min(text.size(), room - 1 - length);
        std::memcpy(target + length, text.data(), count);
        length += count;
    };
    for (const std::string_view part : order) {
        if (part.empty())
            continue;
        if (length > 0)
            append(between);
        append(part);
    }
    target[length] = '\0';
    return length;
}
