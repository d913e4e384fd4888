#include "TestHost.h"

#include <fstream>
#include <iterator>

namespace e2e {
namespace {

constexpr char kHostClass[] = "E2eTestHost";
constexpr int kLimitChildId = 1008;

} // namespace

TestHost::TestHost(bool withLimitChild) {
    static const ATOM registered = [] {
        WNDCLASSA windowClass{};
        windowClass.lpfnWndProc = &TestHost::WindowProc;
        windowClass.hInstance = ::GetModuleHandleA(nullptr);
        windowClass.lpszClassName = kHostClass;
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        return ::RegisterClassA(&windowClass);
    }();
    (void)registered;
    window_ = ::CreateWindowExA(0, kHostClass, "E2E host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 20, 20,
                                400, 300, nullptr, nullptr, ::GetModuleHandleA(nullptr), this);
    if (withLimitChild)
        ::CreateWindowExA(0, "STATIC", "limit", WS_CHILD | WS_VISIBLE, 10, 10, 100, 20, window_,
                          reinterpret_cast<HMENU>(static_cast<INT_PTR>(kLimitChildId)),
                          ::GetModuleHandleA(nullptr), nullptr);
    ::SetForegroundWindow(window_);
    ::SetActiveWindow(window_);
    PumpMessages(50ms);
}

TestHost::~TestHost() {
    Destroy();
}

void TestHost::Destroy() {
    if (window_) {
        HWND window = window_;
        window_ = nullptr;
        ::DestroyWindow(window);
        PumpMessages(50ms);
    }
}

LRESULT CALLBACK TestHost::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        ::SetWindowLongPtrA(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* host = reinterpret_cast<TestHost*>(::GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_COMMAND && host && lParam == 0)
        host->commands_.emplace_back(wParam, lParam);
    if (message == WM_ENABLE && wParam && host && host->probe_)
        host->enabledProbes_.push_back(host->probe_());
    return ::DefWindowProcA(window, message, wParam, lParam);
}

std::string TestImporter::ImporterPath() {
    return ToWindowsPath(IMPORTER_EXE);
}

std::string MakeTestFolder(const std::string& name) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    std::string folder = std::string(temp) + "e2e-" + name;
    for (std::size_t at = std::string(temp).size(); at < folder.size(); ++at)
        if (folder[at] == '/' || folder[at] == '\\')
            folder[at] = '-';
    ::CreateDirectoryA(folder.c_str(), nullptr);
    WIN32_FIND_DATAA data;
    HANDLE find = ::FindFirstFileA((folder + "\\*").c_str(), &data);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            if (!(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                ::DeleteFileA((folder + "\\" + data.cFileName).c_str());
        } while (::FindNextFileA(find, &data));
        ::FindClose(find);
    }
    return folder;
}

std::string ReadFileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

bool FileExists(const std::string& path) {
    return ::GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

void OfferAddressBooks(bool offered) {
    ::WriteProfileStringA("Mail", "MAPIX", offered ? "1" : "0");
    HKEY key = nullptr;
    if (::RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\WAB\\DLLPath", 0, nullptr, 0,
                          KEY_ALL_ACCESS, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return;
    // Any library that loads makes the address book available to the chooser.
    const char value[] = "%SystemRoot%\\system32\\version.dll";
    if (offered)
        ::RegSetValueExA(key, nullptr, 0, REG_EXPAND_SZ, reinterpret_cast<const BYTE*>(value),
                         sizeof value);
    else
        ::RegDeleteValueA(key, nullptr);
    ::RegCloseKey(key);
}

} // namespace e2e
