// Seeded CSV files whose header has a field that is exactly 名稱 and a field that contains 傳真,
// whose lines end in line feeds, whose fax fields hold only single-byte characters and whose
// multi-line quoted fields hold no quote: in Big5, UTF-8 and UTF-16, with commas, semicolons or
// tabs, and with the header words of other phone books beside the two.
#pragma once

#include "Big5CsvCorpus.h"

#include <vector>

std::vector<CorpusFile> WordHeadedCsvCorpus();
