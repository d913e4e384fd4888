// The demo host's phone book: the records of the last import, decoded for reading.
#pragma once

#include <string>
#include <vector>

inline constexpr int kRecipientsCommand = 1022;
inline constexpr int kSpeedDialCommand = 1028;

struct PhoneBook {
    std::vector<std::string> lines; // UTF-8, the record's members separated by tabs
    std::string problem;            // why the file could not be read; empty when it could
};

// Reads the exchange file announced by `command` (1022 recipients, 1028 speed-dial records).
PhoneBook ReadExchangeFile(const std::string& bytes, int command);
