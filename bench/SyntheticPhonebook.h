// A large Big5 phone book made up row by row, for the benchmarks.
#pragma once

#include <cstddef>
#include <string>

// Writes rows under the header "編號,名稱,公司,傳真號碼,公司傳真,電話" until the file holds at
// least `minimumBytes`. Returns the file's size, or 0 when it cannot be written.
std::size_t WriteSyntheticPhonebook(const std::string& path, std::size_t minimumBytes);
