#include "platform/LargePages.h"

#include <cstdint>
#include <sys/mman.h>

namespace platform {
namespace {

// The size of a transparent huge page on x86-64 and most other systems.
constexpr std::uintptr_t kLargePage = 2u << 20;

} // namespace

void PreferLargePages(void* data, std::size_t size) {
#if defined(MADV_HUGEPAGE)
    // Only whole large pages inside the block: the advice covers no byte of another block.
    const auto start = reinterpret_cast<std::uintptr_t>(data);
    const std::uintptr_t first = (start + kLargePage - 1) & ~(kLargePage - 1);
    const std::uintptr_t end = (start + size) & ~(kLargePage - 1);
    if (data && end > first)
        ::madvise(reinterpret_cast<void*>(first), end - first, MADV_HUGEPAGE); // a hint only
#else
    (void)data;
    (void)size;
#endif
}

} // namespace platform
