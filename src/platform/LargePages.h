// Fewer page faults for the big buffers of a file import.
#pragma once

#include <cstddef>
#include <memory>
#include <utility>

namespace platform {

// Asks the system to map the untouched memory at `data` in large pages when it is first
// touched, where the system offers them; a large page never touched stays unmapped. Only
// blocks of several megabytes gain; the contents and the owner do not change.
void PreferLargePages(void* data, std::size_t size);

// An allocator for a container that grows big: each block it gives is advised as above before
// the container copies anything into it, and elements a resize adds are left uninitialized, for
// the caller to write.
template <typename T> struct LargePageAllocator {
    using value_type = T;
    LargePageAllocator() = default;
    template <typename U> LargePageAllocator(const LargePageAllocator<U>&) {}

    T* allocate(std::size_t count) {
        T* block = std::allocator<T>().allocate(count);
        PreferLargePages(block, count * sizeof(T));
        return block;
    }
    void deallocate(T* block, std::size_t count) { std::allocator<T>().deallocate(block, count); }
    template <typename U> void construct(U* element) { ::new (static_cast<void*>(element)) U; }
    template <typename U, typename... Args> void construct(U* element, Args&&... args) {
        ::new (static_cast<void*>(element)) U(std::forward<Args>(args)...);
    }
    template <typename U> bool operator==(const LargePageAllocator<U>&) const { return true; }
};

} // namespace platform
