#include "SystemCallFaults.h"

#include <cerrno>
#include <cstdarg>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

// The calls as the linker's --wrap options leave them for these wrappers.
extern "C" {
int __real_open(const char* path, int flags, ...);
int __real_fstat(int fd, struct stat* info);
ssize_t __real_read(int fd, void* buffer, std::size_t size);
ssize_t __real_write(int fd, const void* buffer, std::size_t size);
int __real_fsync(int fd);
int __real_close(int fd);
int __real_rename(const char* from, const char* to);
}

namespace {

std::optional<faults::FileFault> armed;
int hits = 0;
std::size_t bytesPassed = 0; // by the armed Read or Write fault

bool Armed(faults::FileCall call) {
    return armed && armed->call == call;
}

int FailWith(int error) {
    ++hits;
    errno = error;
    return -1;
}

// The bytes a Read or Write fault still lets through, at most `size`.
std::size_t BytesLeft(std::size_t size) {
    const std::size_t left = armed->bytesBefore - bytesPassed;
    return left < size ? left : size;
}

} // namespace

namespace faults {

FileFaultScope::FileFaultScope(FileFault fault) {
    armed = fault;
    hits = 0;
    bytesPassed = 0;
}

FileFaultScope::~FileFaultScope() {
    armed.reset();
}

int FileFaultScope::Hits() const {
    return hits;
}

} // namespace faults

extern "C" {

int __wrap_open(const char* path, int flags, ...) {
    mode_t mode = 0;
    if (flags & (O_CREAT | O_TMPFILE)) {
        va_list arguments;
        va_start(arguments, flags);
        mode = static_cast<mode_t>(va_arg(arguments, unsigned int));
        va_end(arguments);
    }
    const bool creates = (flags & O_CREAT) != 0;
    if (Armed(creates ? faults::FileCall::OpenForWriting : faults::FileCall::OpenForReading))
        return FailWith(armed->error);
    return __real_open(path, flags, mode);
}

int __wrap_fstat(int fd, struct stat* info) {
    if (Armed(faults::FileCall::Size))
        return FailWith(armed->error);
    return __real_fstat(fd, info);
}

ssize_t __wrap_read(int fd, void* buffer, std::size_t size) {
    if (!Armed(faults::FileCall::Read))
        return __real_read(fd, buffer, size);
    const std::size_t left = BytesLeft(size);
    if (left == 0) {
        if (armed->error == 0) {
            ++hits;
            return 0; // the file ends before its size
        }
        return FailWith(armed->error);
    }
    const ssize_t got = __real_read(fd, buffer, left);
    if (got > 0)
        bytesPassed += static_cast<std::size_t>(got);
    return got;
}

ssize_t __wrap_write(int fd, const void* buffer, std::size_t size) {
    if (!Armed(faults::FileCall::Write))
        return __real_write(fd, buffer, size);
    const std::size_t left = BytesLeft(size);
    if (left == 0)
        return FailWith(armed->error);
    const ssize_t written = __real_write(fd, buffer, left);
    if (written > 0)
        bytesPassed += static_cast<std::size_t>(written);
    return written;
}

int __wrap_fsync(int fd) {
    if (Armed(faults::FileCall::Flush))
        return FailWith(armed->error);
    return __real_fsync(fd);
}

int __wrap_close(int fd) {
    if (!Armed(faults::FileCall::Close))
        return __real_close(fd);
    __real_close(fd);
    return FailWith(armed->error);
}

int __wrap_rename(const char* from, const char* to) {
    if (Armed(faults::FileCall::Rename))
        return FailWith(armed->error);
    return __real_rename(from, to);
}

} // extern "C"
