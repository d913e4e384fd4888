// Big5 comma-separated files: every file of the CSV reader's earlier tests, the sample phone
// books, and seeded generated ones shaped like them.
#pragma once

#include <string>
#include <vector>

struct CorpusFile {
    std::string name; // unique, no spaces
    std::string bytes;
};

std::vector<CorpusFile> Big5CsvCorpus();
