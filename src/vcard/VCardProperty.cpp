#include "vcard/VCardProperty.h"

#include <cstddef>

namespace {

char Upper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

std::string_view WithoutQuotes(std::string_view text) {
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        return text.substr(1, text.size() - 2);
    return text;
}

// The position of the first `stop` outside double quotes, or the text's size.
std::size_t FindUnquoted(std::string_view text, char stop) {
    bool quoted = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '"')
            quoted = !quoted;
        else if (text[i] == stop && !quoted)
            return i;
    }
    return text.size();
}

// Calls `visit(name, value)` for every parameter; a bare parameter has an empty name. Stops
// when `visit` returns true and returns that.
template <typename Visit> bool AnyParameter(std::string_view parameters, Visit visit) {
    while (!parameters.empty()) {
        const std::size_t end = FindUnquoted(parameters, ';');
        const std::string_view parameter = parameters.substr(0, end);
        parameters.remove_prefix(end < parameters.size() ? end + 1 : end);
        const std::size_t equals = parameter.find('=');
        const bool found = equals == std::string_view::npos
                               ? visit(std::string_view(), parameter)
                               : visit(parameter.substr(0, equals), parameter.substr(equals + 1));
        if (found)
            return true;
    }
    return false;
}

// Whether a comma-separated list of values, quoted as a whole or each on its own, holds `word`.
bool ListHolds(std::string_view values, std::string_view word) {
    values = WithoutQuotes(values);
    while (!values.empty()) {
        const std::size_t comma = values.find(',');
        if (EqualsIgnoringCase(WithoutQuotes(values.substr(0, comma)), word))
            return true;
        values.remove_prefix(comma == std::string_view::npos ? values.size() : comma + 1);
    }
    return false;
}

} // namespace

bool EqualsIgnoringCase(std::string_view text, std::string_view word) {
    if (text.size() != word.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (Upper(text[i]) != Upper(word[i]))
            return false;
    }
    return true;
}

VCardProperty ParseProperty(std::string_view line) {
    VCardProperty property;
    std::size_t nameEnd = 0;
    while (nameEnd < line.size() && line[nameEnd] != ';' && line[nameEnd] != ':')
        ++nameEnd;
    if (nameEnd == line.size())
        return property;
    std::string_view name = line.substr(0, nameEnd);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string_view::npos) {
        property.group = name.substr(0, dot);
        name.remove_prefix(dot + 1);
    }
    property.name = name;
    std::string_view rest = line.substr(nameEnd);
    if (rest.front() == ';') {
        rest.remove_prefix(1);
        const std::size_t colon = FindUnquoted(rest, ':');
        if (colon == rest.size())
            return property;
        property.parameters = rest.substr(0, colon);
        rest.remove_prefix(colon);
    }
    property.value = rest.substr(1);
    property.valid = true;
    return property;
}

VCardEncoding ValueEncoding(const VCardProperty& property) {
    VCardEncoding encoding = VCardEncoding::Plain;
    AnyParameter(property.parameters, [&](std::string_view name, std::string_view value) {
        if (!name.empty() && !EqualsIgnoringCase(name, "ENCODING"))
            return false;
        value = WithoutQuotes(value);
        if (EqualsIgnoringCase(value, "QUOTED-PRINTABLE"))
            encoding = VCardEncoding::QuotedPrintable;
        else if (EqualsIgnoringCase(value, "BASE64") ||
                 (!name.empty() && EqualsIgnoringCase(value, "B")))
            encoding = VCardEncoding::Base64;
        else
            return false;
        return true;
    });
    return encoding;
}

bool HasType(const VCardProperty& property, std::string_view type) {
    return AnyParameter(property.parameters, [&](std::string_view name, std::string_view value) {
        if (name.empty())
            return EqualsIgnoringCase(value, type);
        return EqualsIgnoringCase(name, "TYPE") && ListHolds(value, type);
    });
}

std::string_view Charset(const VCardProperty& property) {
    std::string_view charset;
    AnyParameter(property.parameters, [&](std::string_view name, std::string_view value) {
        if (!EqualsIgnoringCase(name, "CHARSET"))
            return false;
        charset = WithoutQuotes(value);
        return true;
    });
    return charset;
}
