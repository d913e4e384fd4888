#include "addressbook/win32/WabLibrary.h"

#include "platform/TrustedLibraries.h"
#include "platform/Win32Handles.h"

#include <vector>
#include <windows.h>

namespace {

constexpr char kDllPathKey[] = "Software\\Microsoft\\WAB\\DLLPath";
constexpr char kDefaultLibrary[] = "WAB32.DLL";

std::string& LibraryPath() {
    static std::string path;
    return path;
}

std::string& OtherBitnessPath() {
    static std::string path;
    return path;
}

// The key's default value and its type; empty when there is no key or no value.
std::string ReadDllPathValue(DWORD& type) {
    platform::RegistryKey key;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, kDllPathKey, 0, KEY_READ, key.receiver()) !=
        ERROR_SUCCESS)
        return {};
    DWORD size = 0;
    if (::RegQueryValueExA(key.get(), nullptr, nullptr, &type, nullptr, &size) != ERROR_SUCCESS ||
        size == 0)
        return {};
    std::vector<char> value(size + 1, '\0');
    if (::RegQueryValueExA(key.get(), nullptr, nullptr, &type,
                           reinterpret_cast<BYTE*>(value.data()), &size) != ERROR_SUCCESS)
        return {};
    return value.data();
}

// Expands environment references without any length limit.
std::string Expand(const std::string& text) {
    const DWORD needed = ::ExpandEnvironmentStringsA(text.c_str(), nullptr, 0);
    if (needed == 0)
        return text;
    std::vector<char> expanded(needed + 1, '\0');
    if (::ExpandEnvironmentStringsA(text.c_str(), expanded.data(), needed + 1) == 0)
        return text;
    return expanded.data();
}

} // namespace

const std::string& WabLibraryPath() {
    return LibraryPath();
}

const std::string& OtherBitnessWabLibrary() {
    return OtherBitnessPath();
}

int FindWabLibrary() {
    std::string& path = LibraryPath();
    DWORD type = REG_NONE;
    path = ReadDllPathValue(type);
    if (path.empty())
        path = kDefaultLibrary;
    else if (type == REG_EXPAND_SZ)
        path = Expand(path);

    platform::LibraryHandle library(platform::LoadTrustedLibrary(path));
    const bool otherBitness = !library && ::GetLastError() == ERROR_BAD_EXE_FORMAT;
    OtherBitnessPath() = otherBitness ? path : std::string();
    if (library)
        return 1;
    path.clear();
    return 0;
}
