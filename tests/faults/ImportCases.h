// Realistic files for both readers: the bundled examples and phone books shaped like today's
// CSV exports (Big5, UTF-8 with and without a mark, UTF-16).
#pragma once

#include <ostream>
#include <string>
#include <vector>

struct ImportCase {
    std::string name; // fit for a test's name
    std::string bytes;
    int importType = 0;
    int nameColumn = -1; // what the user assigns for import type 4
    int faxColumn = 0;
};

std::vector<ImportCase> CsvCases();
std::vector<ImportCase> SpeedDialCases();

void PrintTo(const ImportCase& importCase, std::ostream* out);
