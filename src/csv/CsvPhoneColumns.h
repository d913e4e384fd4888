// A web address book's numbered phone columns: "Phone 1 - Type" or "Phone 1 - Label" says, row by
// row, what kind of number "Phone 1 - Value" holds; a value may list several numbers.
#pragma once

#include "csv/CsvColumns.h"

#include <cstddef>
#include <span>
#include <vector>

// The value columns that have a type or label column of the same number, in header order.
std::vector<FaxColumn> FindPhoneValueColumns(std::span<char* const> headerFields);

// Whether the row's type or label for a phone value column holds a fax word.
bool HoldsFaxNumbers(const FaxColumn& column, std::span<char* const> rowFields);

// Cuts the first number off a value that lists several separated by ":::", where it lies, and
// returns it; `rest` moves past the separator, or becomes null after the last number.
char* CutListedNumber(char*& rest);

// How many numbers a text's values can list beyond their first: an upper bound, counted before
// the text is cut.
std::size_t CountListSeparators(const char* text, std::size_t size);
