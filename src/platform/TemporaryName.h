// Names for the temporary file that the result is written to before it replaces the result.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace platform {

// A file name in the folder of `path` that differs on every call: in this process through a
// counter, from other processes through `processId` and the clock. A name can still be taken
// by chance; the caller creates the file only if it does not exist and asks again if it does.
std::string TemporaryNameBeside(std::string_view path, std::uint64_t processId);

} // namespace platform
