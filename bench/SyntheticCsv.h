// A large phone-book CSV in Big5 for benchmarks: a header line, then rows with quoted names,
// doubled quotes, Big5 names and fax numbers written the way people write them.
#pragma once

#include <cstddef>
#include <string>

std::string MakeSyntheticCsv(std::size_t minimumBytes);
