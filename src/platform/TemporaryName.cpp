#include "platform/TemporaryName.h"

#include <atomic>
#include <chrono>

namespace platform {
namespace {

// splitmix64: spreads nearby inputs over all 64 bits.
std::uint64_t Mix(std::uint64_t value) {
    value += 0x9e3779b97f4a7c15ULL;
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
    return value ^ (value >> 31);
}

} // namespace

std::string TemporaryNameBeside(std::string_view path, std::uint64_t processId) {
    static std::atomic<std::uint64_t> calls{0};
    const auto ticks = static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
    const std::uint64_t unique = Mix(Mix(processId) ^ ticks) + calls.fetch_add(1);

    // The folder part keeps its separator (a drive's colon counts as one).
    const std::size_t folderEnd = path.find_last_of("\\/:") + 1;
    std::string name(path.substr(0, folderEnd));
    name += "~import-";
    constexpr char kDigits[] = "0123456789abcdef";
    for (int shift = 60; shift >= 0; shift -= 4)
        name += kDigits[(unique >> shift) & 0xF];
    name += ".tmp";
    return name;
}

} // namespace platform
