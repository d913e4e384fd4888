#include "platform/Files.h"
#include "platform/LargePages.h"
#include "platform/Win32Handles.h"

#include <new>
#include <windows.h>

namespace platform {

ReadStatus ReadWholeFile(const std::string& path, FileBytes& out) {
    out = FileBytes{};
    FileHandle file(::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
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
    std::string temporary;
    try {
        temporary = path + ".importing";
    } catch (const std::bad_alloc&) {
        return false; // a failure like any other: the caller reports it
    }
    {
        FileHandle file(::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.valid())
            return false;
        bool ok = true;
        while (ok && size > 0) {
            DWORD chunk = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
            DWORD written = 0;
            ok = ::WriteFile(file.get(), data, chunk, &written, nullptr) && written == chunk;
            data += chunk;
            size -= chunk;
        }
        ok = ok && ::FlushFileBuffers(file.get());
        if (!ok) {
            file.reset();
            ::DeleteFileA(temporary.c_str());
            return false;
        }
    }
    if (::MoveFileExA(temporary.c_str(), path.c_str(),
                      MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    ::DeleteFileA(temporary.c_str());
    return false;
}

} // namespace platform
