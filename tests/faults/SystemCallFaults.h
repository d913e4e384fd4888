// Makes the file system calls of the code under test fail. The test program is linked with
// --wrap for open, fstat, read, write, fsync, close and rename, so the calls of the statically
// linked core come here first; while a fault is armed, the call it names fails as the kernel
// would report it, every other call goes through.
#pragma once

#include <cstddef>

namespace faults {

enum class FileCall {
    OpenForReading, // open without O_CREAT
    OpenForWriting, // open with O_CREAT
    Size,           // fstat
    Read,
    Write,
    Flush, // fsync
    Close, // close: the descriptor is released all the same, as Linux does
    Rename,
};

struct FileFault {
    FileCall call;
    int error; // errno of the failure; for Read, 0 makes the file end early instead
    // Read and Write: how many bytes still go through before the call fails.
    std::size_t bytesBefore = 0;
};

// Armed for its lifetime.
class FileFaultScope {
  public:
    explicit FileFaultScope(FileFault fault);
    ~FileFaultScope();
    FileFaultScope(const FileFaultScope&) = delete;
    FileFaultScope& operator=(const FileFaultScope&) = delete;

    // How often the fault made a call fail.
    int Hits() const;
};

} // namespace faults
