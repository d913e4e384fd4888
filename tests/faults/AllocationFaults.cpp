#include "AllocationFaults.h"

#include <cstdlib>
#include <new>

// The C allocator as the linker's --wrap options leave it for these wrappers.
extern "C" {
void* __real_malloc(std::size_t size);
void* __real_calloc(std::size_t count, std::size_t size);
void* __real_realloc(void* block, std::size_t size);
}

namespace {

// One thread runs the tests; the countdown is never armed while another thread could allocate.
bool armed = false;
std::size_t allocations = 0;
std::size_t failAt = 0;
bool injected = false;

// Counts one allocation; false when it is the one to fail.
bool MayAllocate() {
    if (!armed)
        return true;
    ++allocations;
    if (allocations != failAt)
        return true;
    injected = true;
    return false;
}

void* AllocateOrNull(std::size_t size) {
    return MayAllocate() ? __real_malloc(size == 0 ? 1 : size) : nullptr;
}

void* AllocateAlignedOrNull(std::size_t size, std::align_val_t alignment) {
    if (!MayAllocate())
        return nullptr;
    const auto align = static_cast<std::size_t>(alignment);
    // aligned_alloc wants a size that is a multiple of the alignment.
    const std::size_t rounded = (size == 0 ? 1 : size + align - 1) / align * align;
    return std::aligned_alloc(align, rounded);
}

} // namespace

namespace faults {

AllocationCountdown::AllocationCountdown(std::size_t failAtNumber) {
    allocations = 0;
    failAt = failAtNumber;
    injected = false;
    armed = true;
}

AllocationCountdown::~AllocationCountdown() {
    armed = false;
}

std::size_t AllocationCountdown::Allocations() const {
    return allocations;
}

bool AllocationCountdown::Injected() const {
    return injected;
}

AllocationsPaused::AllocationsPaused() : wasArmed_(armed) {
    armed = false;
}

AllocationsPaused::~AllocationsPaused() {
    armed = wasArmed_;
}

} // namespace faults

extern "C" {

void* __wrap_malloc(std::size_t size) {
    return MayAllocate() ? __real_malloc(size) : nullptr;
}

void* __wrap_calloc(std::size_t count, std::size_t size) {
    return MayAllocate() ? __real_calloc(count, size) : nullptr;
}

void* __wrap_realloc(void* block, std::size_t size) {
    return MayAllocate() ? __real_realloc(block, size) : nullptr;
}

} // extern "C"

// The program's own global allocation functions, in every form the library declares.

void* operator new(std::size_t size) {
    if (void* block = AllocateOrNull(size))
        return block;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size) {
    if (void* block = AllocateOrNull(size))
        return block;
    throw std::bad_alloc();
}

void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return AllocateOrNull(size);
}

void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return AllocateOrNull(size);
}

void* operator new(std::size_t size, std::align_val_t alignment) {
    if (void* block = AllocateAlignedOrNull(size, alignment))
        return block;
    throw std::bad_alloc();
}

void* operator new[](std::size_t size, std::align_val_t alignment) {
    if (void* block = AllocateAlignedOrNull(size, alignment))
        return block;
    throw std::bad_alloc();
}

void* operator new(std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return AllocateAlignedOrNull(size, alignment);
}

void* operator new[](std::size_t size, std::align_val_t alignment, const std::nothrow_t&) noexcept {
    return AllocateAlignedOrNull(size, alignment);
}

void operator delete(void* block) noexcept {
    std::free(block);
}

void operator delete[](void* block) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t) noexcept {
    std::free(block);
}

void operator delete[](void* block, std::size_t) noexcept {
    std::free(block);
}

void operator delete(void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}

void operator delete[](void* block, const std::nothrow_t&) noexcept {
    std::free(block);
}

void operator delete(void* block, std::align_val_t) noexcept {
    std::free(block);
}

void operator delete[](void* block, std::align_val_t) noexcept {
    std::free(block);
}

void operator delete(void* block, std::size_t, std::align_val_t) noexcept {
    std::free(block);
}

void operator delete[](void* block, std::size_t, std::align_val_t) noexcept {
    std::free(block);
}

void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept {
    std::free(block);
}

void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept {
    std::free(block);
}
