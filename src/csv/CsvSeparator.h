// Which character separates the fields of a CSV file.
#pragma once

// The comma, unless the header line holds none but holds semicolons or tabs: then the more
// frequent of the two, the tab on a tie. `headerLine` is the first non-empty line as read.
char FindCsvSeparator(const char* headerLine);
