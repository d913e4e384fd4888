// One content line of a vCard: group, name, parameters and value.
#pragma once

#include <string_view>

struct VCardProperty {
    bool valid = false;          // false for a line without a ':' after its name
    std::string_view group;      // "item1" of "item1.TEL"; empty without one
    std::string_view name;       // as written
    std::string_view parameters; // the text between the name's ';' and the value's ':'
    std::string_view value;
};

// Cuts a line into its parts; a ':' inside a quoted parameter value does not end the parameters.
VCardProperty ParseProperty(std::string_view line);

// ASCII comparison without letter case.
bool EqualsIgnoringCase(std::string_view text, std::string_view word);

enum class VCardEncoding { Plain, QuotedPrintable, Base64 };

// ENCODING=QUOTED-PRINTABLE or 2.1's bare QUOTED-PRINTABLE; ENCODING=BASE64, ENCODING=B or a bare
// BASE64. Any other encoding is plain.
VCardEncoding ValueEncoding(const VCardProperty& property);

// Whether a TYPE parameter lists `type` (TYPE=WORK,FAX, TYPE="work,fax", TYPE=FAX;TYPE=WORK) or
// 2.1 names it bare (;FAX).
bool HasType(const VCardProperty& property, std::string_view type);

// The CHARSET parameter's value, without quotes; empty without one.
std::string_view Charset(const VCardProperty& property);
