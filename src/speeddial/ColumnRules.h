// The tables that drive the column walk of data lines: which columns the line parsers act on
// and whether the field is trimmed first.
#pragma once

#include <array>
#include <cstdint>

struct ColumnRule {
    int32_t column;  // -1 ends the table
    int32_t keepRaw; // 0: trim the field when the walk reaches it
    int32_t used;    // 1: the walk acts on the column
};

// Columns 0 to 16 of a version 0 line.
extern const std::array<ColumnRule, 18> v0ColumnRules;
// Offsets 0 to 26 from the fax column of a version 1 to 6 line.
extern const std::array<ColumnRule, 28> faxColumnRules;

// The columns of a version 0 line.
namespace v0column {
inline constexpr int kSpeedDialNumber = 0;
inline constexpr int kEntryKind = 1; // "X" or "P"
inline constexpr int kFaxNumber = 2;
inline constexpr int kName = 3;
inline constexpr int kMode = 6;
inline constexpr int kConfidential = 11;
inline constexpr int kRelay = 12;
inline constexpr int kFCode = 14;
} // namespace v0column

// The offsets from the fax column of a version 1 to 6 line.
namespace faxoffset {
inline constexpr int kFaxNumber = 0;
inline constexpr int kMode = 2;
inline constexpr int kConfidentialFlag = 11;
inline constexpr int kConfidentialPassword = 12;
inline constexpr int kConfidentialBox = 13;
inline constexpr int kRelayFlag = 14;
inline constexpr int kRelayStation = 15;
inline constexpr int kRelayOption = 16;
inline constexpr int kRelayTargets = 17;
inline constexpr int kFCodeSubaddress = 21;
inline constexpr int kFCodePassword = 22;
} // namespace faxoffset
