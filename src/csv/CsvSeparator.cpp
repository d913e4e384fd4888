#include "csv/CsvSeparator.h"

#include <cstddef>

char FindCsvSeparator(const char* headerLine) {
    std::size_t semicolons = 0;
    std::size_t tabs = 0;
    for (const char* byte = headerLine; *byte != '\0'; ++byte) {
        if (*byte == ',')
            return ',';
        semicolons += *byte == ';';
        tabs += *byte == '\t';
    }
    if (semicolons == 0 && tabs == 0)
        return ',';
    return semicolons > tabs ? ';' : '\t';
}
