// Owners for Win32 handles (Windows build only).
#pragma once

#include <windows.h>

namespace platform {

class FileHandle {
  public:
    explicit FileHandle(HANDLE handle = INVALID_HANDLE_VALUE) : handle_(handle) {}
    ~FileHandle() { reset(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    HANDLE get() const { return handle_; }
    bool valid() const { return handle_ != INVALID_HANDLE_VALUE && handle_ != nullptr; }
    void reset(HANDLE handle = INVALID_HANDLE_VALUE) {
        if (valid())
            ::CloseHandle(handle_);
        handle_ = handle;
    }

  private:
    HANDLE handle_;
};

class LibraryHandle {
  public:
    explicit LibraryHandle(HMODULE module = nullptr) : module_(module) {}
    ~LibraryHandle() { reset(); }
    LibraryHandle(const LibraryHandle&) = delete;
    LibraryHandle& operator=(const LibraryHandle&) = delete;
    HMODULE get() const { return module_; }
    explicit operator bool() const { return module_ != nullptr; }
    void reset(HMODULE module = nullptr) {
        if (module_)
            ::FreeLibrary(module_);
        module_ = module;
    }
    HMODULE release() {
        HMODULE module = module_;
        module_ = nullptr;
        return module;
    }

  private:
    HMODULE module_;
};

// Looks up an entry point by name with the caller's function type.
template <class Function> Function ProcAddress(HMODULE module, const char* name) {
    if (!module)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

class RegistryKey {
  public:
    RegistryKey() = default;
    ~RegistryKey() {
        if (key_)
            ::RegCloseKey(key_);
    }
    RegistryKey(const RegistryKey&) = delete;
    RegistryKey& operator=(const RegistryKey&) = delete;
    HKEY* receiver() { return &key_; }
    HKEY get() const { return key_; }

  private:
    HKEY key_ = nullptr;
};

} // namespace platform
