// Fewer page faults for the big buffers of a file import.
#pragma once

#include <cstddef>

namespace platform {

// Asks the system to map the untouched memory at `data` in large pages when it is first
// touched, where the system offers them; a large page never touched stays unmapped. Only
// blocks of several megabytes gain; the contents and the owner do not change.
void PreferLargePages(void* data, std::size_t size);

} // namespace platform
