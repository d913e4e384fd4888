// Makes one chosen allocation of the code under test fail. While a countdown is armed, every
// operator new of this program and every C allocation (malloc, calloc, realloc) of the code it
// links statically is counted, and the chosen one fails: operator new throws std::bad_alloc,
// its nothrow form and the C functions return null.
#pragma once

#include <cstddef>

namespace faults {

// Armed for its lifetime: allocation number `failAt` (counted from 1) fails, every other one
// succeeds; 0 fails none and only counts.
class AllocationCountdown {
  public:
    explicit AllocationCountdown(std::size_t failAt);
    ~AllocationCountdown();
    AllocationCountdown(const AllocationCountdown&) = delete;
    AllocationCountdown& operator=(const AllocationCountdown&) = delete;

    std::size_t Allocations() const; // counted so far
    bool Injected() const;           // whether the chosen allocation came and failed
};

// Stops the counting for its lifetime, so that a test double's own bookkeeping inside an armed
// call neither fails nor moves the count.
class AllocationsPaused {
  public:
    AllocationsPaused();
    ~AllocationsPaused();
    AllocationsPaused(const AllocationsPaused&) = delete;
    AllocationsPaused& operator=(const AllocationsPaused&) = delete;

  private:
    bool wasArmed_;
};

// Runs `attempt(failAt)` for failAt = 1, 2, ... until an attempt in which no allocation failed;
// `attempt` arms an AllocationCountdown(failAt) around the code under test and returns its
// Injected(). Returns how many allocations failed in turn, or `limit` when the attempts never
// end.
template <typename Attempt>
std::size_t FailEachAllocationInTurn(Attempt attempt, std::size_t limit = 100000) {
    for (std::size_t failAt = 1; failAt < limit; ++failAt)
        if (!attempt(failAt))
            return failAt - 1;
    return limit;
}

} // namespace faults
