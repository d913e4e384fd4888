// Memory that cannot be had, as a result instead of an exception.
#pragma once

#include <new>
#include <stdexcept>

// Runs `step`; false when it ran out of memory or asked for more than a container can hold.
template <typename Step> bool CompletedWithMemory(Step&& step) {
    try {
        step();
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}
