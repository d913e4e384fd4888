// The six header forms of EWS-CSV files. A header line is an asterisk, 1, the format version
// and the format revision; further fields are ignored.
#pragma once

#include "speeddial/LineFields.h"

#include <array>
#include <cstdint>

struct SignatureCheck {
    int32_t column;  // -1 ends the signature
    int32_t keepRaw; // 0: trim spaces off the field before testing it
    int32_t check;   // 1: test this column
    char text[64];   // the expected value; for column 3 the highest revision
};

struct HeaderSignature {
    SignatureCheck checks[7];
};

// Tried in this order; the first that matches gives the format version.
extern const std::array<HeaderSignature, 6> headerSignatures;

// Whether the split header line has this form. Trims the tested fields in place unless the
// check keeps them raw. A tested field that the line does not have fails the form.
bool MatchSignature(LineFields& header, const HeaderSignature& signature);
