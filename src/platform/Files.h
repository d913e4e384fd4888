// Whole-file reads and all-or-nothing writes: the seam to the operating system's file API.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

namespace platform {

enum class ReadStatus {
    Ok,
    CannotOpen,  // missing, a folder, or held open by another program without sharing
    CannotSize,  // the size could not be read (or does not fit in memory addressing)
    OutOfMemory, // no zero-filled buffer of that size could be taken
    CannotRead,  // the read failed or returned fewer bytes than the size
};

// A file's bytes followed by one zero byte, so the contents can be handled as a
// zero-terminated text where they lie.
struct FileBytes {
    std::unique_ptr<char[]> data;
    std::size_t size = 0; // without the added zero byte
};

ReadStatus ReadWholeFile(const std::string& path, FileBytes& out);

// Writes the bytes to a temporary file beside `path`, then replaces `path` with it. On failure
// (memory for the temporary file's name included) whatever was at `path` is left as it was and
// no temporary file remains.
bool ReplaceFileWith(const std::string& path, const char* data, std::size_t size);

} // namespace platform
