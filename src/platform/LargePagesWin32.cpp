#include "platform/LargePages.h"

namespace platform {

// Windows maps large pages only for memory committed whole by a process that holds the
// privilege to lock pages: nothing to ask for here.
void PreferLargePages(void*, std::size_t) {}

} // namespace platform
