// Which columns of a CSV file give the names and the fax numbers.
#pragma once

#include <span>
#include <vector>

// Where a row's name is found when no column names every row: the first non-empty of the whole
// name, the name composed from its parts and the company. -1: no such column.
struct NameColumns {
    int wholeName = -1;
    int given = -1;
    int middle = -1;
    int family = -1;
    int company = -1;
};

struct FaxColumn {
    int index = -1;
    // A web address book's phone value: the columns that say, row by row, whether it holds fax
    // numbers (-1: none). A plain fax column has neither.
    int typeColumn = -1;
    int labelColumn = -1;

    bool IsPhoneValue() const { return typeColumn >= 0 || labelColumn >= 0; }
};

struct CsvColumns {
    int nameColumn = -1;               // names every row; -1: `nameParts` name the rows
    NameColumns nameParts;             // all -1: names stay empty
    std::vector<FaxColumn> faxColumns; // in header order
};

// The automatic search. The first field that is exactly the name word (as read, byte for byte)
// names every row; without one, the header words of other phone books find the name's columns.
// Every field that contains the fax word anywhere (byte for byte) is a fax column; without one,
// every field that contains another fax word, and every phone value of a web address book.
CsvColumns FindColumnsByHeaderWords(std::span<char* const> headerFields);
