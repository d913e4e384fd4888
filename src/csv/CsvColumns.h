// Which columns of a CSV file give the names and the fax numbers.
#pragma once

#include <span>
#include <vector>

struct CsvColumns {
    int nameColumn = -1;         // -1: names stay empty
    std::vector<int> faxColumns; // in header order
};

// The automatic search: the first field that is exactly the name word names the recipients;
// every field that contains the fax word anywhere is a fax column. Bytes are compared as read.
CsvColumns FindColumnsByHeaderWords(std::span<char* const> headerFields);
