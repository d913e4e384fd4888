// The published property tags, property types and object types that the address-book import
// reads, and the two tag lists it asks for.
#pragma once

#include <array>
#include <cstdint>

inline constexpr std::uint32_t kPropTypeMask = 0x0000FFFF;
inline constexpr std::uint32_t kPtError = 0x000A;

inline constexpr std::uint32_t kPrDisplayName = 0x3001001E;
inline constexpr std::uint32_t kPrPrimaryFaxNumber = 0x3A23001E;
inline constexpr std::uint32_t kPrBusinessFaxNumber = 0x3A24001E;
inline constexpr std::uint32_t kPrHomeFaxNumber = 0x3A25001E;
inline constexpr std::uint32_t kPrEntryId = 0x0FFF0102;
inline constexpr std::uint32_t kPrObjectType = 0x0FFE0003;

inline constexpr std::uint32_t kMapiMailUser = 6;
inline constexpr std::uint32_t kMapiDistList = 8;

inline constexpr std::uint32_t PropType(std::uint32_t tag) {
    return tag & kPropTypeMask;
}

// What GetProps is asked for on a mail user, in this order.
inline constexpr std::array<std::uint32_t, 4> kMailUserTags = {
    kPrDisplayName, kPrPrimaryFaxNumber, kPrBusinessFaxNumber, kPrHomeFaxNumber};

// The columns of a distribution list's member table, in this order.
inline constexpr std::array<std::uint32_t, 3> kMemberColumns = {kPrDisplayName, kPrEntryId,
                                                                kPrObjectType};
