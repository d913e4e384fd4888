// A person's name put together from the parts that address books keep apart.
#pragma once

#include <cstddef>
#include <string_view>

struct NameParts {
    std::string_view given;
    std::string_view middle;
    std::string_view family;
};

// The non-empty parts, each without its leading and trailing spaces: the given name first and
// one space between parts when every part is ASCII ("Ann Mei Lee"), the family name first and
// nothing between them otherwise ("王大明"). Writes at most `room` - 1 bytes and a zero byte
// (`room` above 0), so a longer name is cut wherever that falls; returns the bytes written.
std::size_t ComposeName(const NameParts& parts, char* target, std::size_t room);
