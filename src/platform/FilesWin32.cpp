#include "platform/Files.h"
#include "platform/LargePages.h"
#include "platform/MemoryShortage.h"
#include "platform/TemporaryName.h"
#include "platform/Win32Handles.h"

#include <new>
#include <windows.h>

namespace platform {
namespace {

constexpr int kTemporaryNameAttempts = 100;
constexpr DWORD kLargestWrite = 0x40000000;

// A path of the ANSI code page as the wide file functions take it whole, however long: full,
// and with the prefix that lifts the MAX_PATH limit. Empty when it cannot be converted.
std::wstring LongPath(const std::string& path) {
    const int units = ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    if (units <= 1)
        return {};
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    ::MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), units);
    if (wide.starts_with(L"\\\\?\\") || wide.starts_with(L"\\\\.\\"))
        return wide;
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0)
            return {};
        if (length < full.size()) {
            full.resize(length);
            break;
        }
        full.resize(length);
    }
    if (full.starts_with(L"\\\\"))
        return L"\\\\?\\UNC\\" + full.substr(2);
    return L"\\\\?\\" + full;
}

bool WriteAll(HANDLE file, const char* data, std::size_t size) {
    while (size > 0) {
        const DWORD chunk = size > kLargestWrite ? kLargestWrite : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!::WriteFile(file, data, chunk, &written, nullptr) || written != chunk)
            return false;
        data += chunk;
        size -= chunk;
    }
    return true;
}

// Creates a file of its own beside the target: a name that exists (another importer's,
// anybody's) is never opened, so nothing of anybody else's is truncated or removed.
bool CreateTemporaryBeside(const std::string& path, std::wstring& temporary, FileHandle& file) {
    for (int attempt = 0; attempt < kTemporaryNameAttempts; ++attempt) {
        temporary = LongPath(TemporaryNameBeside(path, ::GetCurrentProcessId()));
        if (temporary.empty())
            return false;
        file.reset(::CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                 FILE_ATTRIBUTE_NORMAL, nullptr));
        if (file.valid())
            return true;
        const DWORD error = ::GetLastError();
        if (error != ERROR_FILE_EXISTS && error != ERROR_ALREADY_EXISTS)
            return false;
    }
    return false;
}

} // namespace

ReadStatus ReadWholeFile(const std::string& path, FileBytes& out) {
    out = FileBytes{};
    std::wstring longPath;
    if (!CompletedWithMemory([&] { longPath = LongPath(path); }))
        return ReadStatus::OutOfMemory;
    FileHandle file(::CreateFileW(longPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                  OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid())
        return ReadStatus::CannotOpen;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || size.QuadPart < 0 ||
        static_cast<unsigned long long>(size.QuadPart) >= 0xFFFFFFFFull)
        return ReadStatus::CannotSize;
    const auto byteCount = static_cast<std::size_t>(size.QuadPart);
    // The read fills every byte but the terminator: no need to zero them first.
    std::unique_ptr<char[]> data(new (std::nothrow) char[byteCount + 1]);
    if (!data)
        return ReadStatus::OutOfMemory;
    PreferLargePages(data.get(), byteCount + 1);
    data[byteCount] = '\0';
    DWORD got = 0;
    if (byteCount > 0 &&
        (!::ReadFile(file.get(), data.get(), static_cast<DWORD>(byteCount), &got, nullptr) ||
         got != byteCount))
        return ReadStatus::CannotRead;
    out.data = std::move(data);
    out.size = byteCount;
    return ReadStatus::Ok;
}

bool ReplaceFileWith(const std::string& path, const char* data, std::size_t size) {
    bool ok = false;
    // No memory for the names is a failure like any other: the caller reports it.
    CompletedWithMemory([&] {
        const std::wstring target = LongPath(path);
        std::wstring temporary;
        FileHandle file;
        if (target.empty() || !CreateTemporaryBeside(path, temporary, file))
            return;
        ok = WriteAll(file.get(), data, size) && ::FlushFileBuffers(file.get());
        file.reset();
        ok = ok && ::MoveFileExW(temporary.c_str(), target.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        if (!ok)
            ::DeleteFileW(temporary.c_str()); // the importer's own file, nobody else's
    });
    return ok;
}

} // namespace platform
