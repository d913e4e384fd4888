#include "platform/Files.h"
#include "platform/LargePages.h"
#include "platform/TemporaryName.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {
namespace {

constexpr int kTemporaryNameAttempts = 100;

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;
    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release() {
        int fd = fd_;
        fd_ = -1;
        return fd;
    }

  private:
    int fd_;
};

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        ssize_t written = ::write(fd, data, size);
        if (written <= 0)
            return false;
        data += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

} // namespace

ReadStatus ReadWholeFile(const std::string& path, FileBytes& out) {
    out = FileBytes{};
    FileDescriptor file(::open(path.c_str(), O_RDONLY));
    if (!file.valid())
        return ReadStatus::CannotOpen;
    struct stat info {};
    if (::fstat(file.get(), &info) != 0)
        return ReadStatus::CannotSize;
    if (S_ISDIR(info.st_mode))
        return ReadStatus::CannotOpen;
    const auto size = static_cast<std::size_t>(info.st_size);
    // The read fills every byte but the terminator: no need to zero them first.
    std::unique_ptr<char[]> data(new (std::nothrow) char[size + 1]);
    if (!data)
        return ReadStatus::OutOfMemory;
    PreferLargePages(data.get(), size + 1);
    data[size] = '\0';
    std::size_t got = 0;
    while (got < size) {
        ssize_t n = ::read(file.get(), data.get() + got, size - got);
        if (n <= 0)
            return ReadStatus::CannotRead;
        got += static_cast<std::size_t>(n);
    }
    out.data = std::move(data);
    out.size = size;
    return ReadStatus::Ok;
}

bool ReplaceFileWith(const std::string& path, const char* data, std::size_t size) {
    std::string temporary;
    int created = -1;
    // A new file of its own: a name that exists (another importer's, anybody's) is never
    // opened, so nothing of anybody else's is truncated or removed.
    for (int attempt = 0; attempt < kTemporaryNameAttempts && created < 0; ++attempt) {
        try {
            temporary = TemporaryNameBeside(path, static_cast<std::uint64_t>(::getpid()));
        } catch (const std::bad_alloc&) {
            return false; // a failure like any other: the caller reports it
        }
        created = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (created < 0 && errno != EEXIST)
            return false;
    }
    FileDescriptor file(created);
    if (!file.valid())
        return false;
    bool ok = WriteAll(file.get(), data, size) && ::fsync(file.get()) == 0;
    ok = ::close(file.release()) == 0 && ok;
    if (ok && std::rename(temporary.c_str(), path.c_str()) == 0)
        return true;
    std::remove(temporary.c_str());
    return false;
}

} // namespace platform
