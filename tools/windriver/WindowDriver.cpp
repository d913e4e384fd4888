#include "windriver/WindowDriver.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <fstream>

#include <stdexcept>
#include <thread>

namespace windriver {
namespace {

constexpr int kMessageTextId = 0xFFFF;
constexpr int kMessageIconId = 0x440;

struct FindContext {
    DWORD processId;
    const std::string* caption;
    HWND found;
    std::vector<std::string>* captions;
};

BOOL CALLBACK FindTopLevel(HWND window, LPARAM parameter) {
    auto* context = reinterpret_cast<FindContext*>(parameter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner != context->processId || !::IsWindowVisible(window))
        return TRUE;
    const std::string caption = WindowText(window);
    if (context->captions)
        context->captions->push_back(caption);
    if (context->caption && caption == *context->caption) {
        context->found = window;
        return FALSE;
    }
    return TRUE;
}

BOOL CALLBACK FindEditChild(HWND window, LPARAM parameter) {
    char className[32] = {};
    ::GetClassNameA(window, className, sizeof className);
    if (lstrcmpiA(className, "Edit") == 0) {
        *reinterpret_cast<HWND*>(parameter) = window;
        return FALSE;
    }
    return TRUE;
}

constexpr int kIconSize = 32;
using Pixels = std::vector<COLORREF>;

// The pixels of a screen area, or of an icon drawn on the message box's background.
class PixelCanvas {
  public:
    PixelCanvas()
        : screen_(::GetDC(nullptr)), memory_(::CreateCompatibleDC(screen_)),
          bitmap_(::CreateCompatibleBitmap(screen_, kIconSize, kIconSize)),
          previous_(::SelectObject(memory_, bitmap_)) {}
    ~PixelCanvas() {
        ::SelectObject(memory_, previous_);
        ::DeleteObject(bitmap_);
        ::DeleteDC(memory_);
        ::ReleaseDC(nullptr, screen_);
    }
    PixelCanvas(const PixelCanvas&) = delete;
    PixelCanvas& operator=(const PixelCanvas&) = delete;

    Pixels CaptureScreen(int x, int y) {
        ::BitBlt(memory_, 0, 0, kIconSize, kIconSize, screen_, x, y, SRCCOPY);
        return Read();
    }
    Pixels DrawIconOnFace(HICON icon) {
        RECT all{0, 0, kIconSize, kIconSize};
        ::FillRect(memory_, &all, ::GetSysColorBrush(COLOR_3DFACE));
        ::DrawIconEx(memory_, 0, 0, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
        return Read();
    }

  private:
    Pixels Read() {
        Pixels pixels;
        for (int y = 0; y < kIconSize; ++y)
            for (int x = 0; x < kIconSize; ++x)
                pixels.push_back(::GetPixel(memory_, x, y));
        return pixels;
    }
    HDC screen_;
    HDC memory_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

std::size_t Differences(const Pixels& a, const Pixels& b) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        count += a[i] != b[i];
    return count;
}

// Icon handles do not cross processes: tell the system icon by the pixels on screen.
std::string IdentifyIcon(HWND iconControl) {
    if (!iconControl || !::IsWindowVisible(iconControl))
        return "none";
    RECT area{};
    ::GetWindowRect(iconControl, &area);
    PixelCanvas canvas;
    const Pixels shown = canvas.CaptureScreen(area.left, area.top);
    const struct {
        LPCSTR id;
        const char* name;
    } icons[] = {{IDI_HAND, "error"},
                 {IDI_EXCLAMATION, "warning"},
                 {IDI_QUESTION, "question"},
                 {IDI_ASTERISK, "information"}};
    std::string best = "none";
    std::size_t fewest = kIconSize * kIconSize / 10; // tolerate a little anti-aliasing
    for (const auto& known : icons) {
        const std::size_t differences =
            Differences(shown, canvas.DrawIconOnFace(::LoadIconA(nullptr, known.id)));
        if (differences < fewest) {
            fewest = differences;
            best = known.name;
        }
    }
    return best;
}

BOOL CALLBACK FindInputControl(HWND window, LPARAM parameter) {
    char className[32] = {};
    ::GetClassNameA(window, className, sizeof className);
    for (const char* input : {"ListBox", "Edit", "ComboBox"}) {
        if (lstrcmpiA(className, input) == 0) {
            *reinterpret_cast<bool*>(parameter) = true;
            return FALSE;
        }
    }
    return TRUE;
}

// A plain function: the callback's calling convention differs from a lambda's in 32-bit builds.
BOOL CALLBACK AddControlId(HWND child, LPARAM sum) {
    *reinterpret_cast<unsigned*>(sum) += static_cast<unsigned>(::GetDlgCtrlID(child));
    return TRUE;
}

} // namespace

bool IsMessageBox(HWND window) {
    // A dialog's unnamed labels may carry the text control's id too; a message box has no
    // list, edit or combo box.
    if (!::GetDlgItem(window, kMessageTextId))
        return false;
    bool hasInput = false;
    ::EnumChildWindows(window, &FindInputControl, reinterpret_cast<LPARAM>(&hasInput));
    return !hasInput;
}

bool SaveScreenArea(const RECT& area, const std::string& path) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (width <= 0 || height <= 0)
        return false;
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = ::CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ previous = ::SelectObject(memory, bitmap);
    ::BitBlt(memory, 0, 0, width, height, screen, area.left, area.top, SRCCOPY);
    ::GdiFlush();
    const DWORD stride = ((static_cast<DWORD>(width) * 3 + 3) & ~3u);
    const DWORD imageSize = stride * static_cast<DWORD>(height);
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info.bmiHeader;
    header.bfSize = header.bfOffBits + imageSize;
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(&header), sizeof header);
    file.write(reinterpret_cast<const char*>(&info.bmiHeader), sizeof info.bmiHeader);
    file.write(static_cast<const char*>(bits), imageSize);
    ::SelectObject(memory, previous);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return file.good();
}

RECT ScreenArea() {
    return {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

namespace {

uint32_t Fnv1a(const std::string& text) {
    uint32_t hash = 2166136261u;
    for (const char c : text)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

std::string Utf8FileName(const std::string& ansi) {
    std::wstring wide(ansi.size() + 1, L'\0');
    wide.resize(static_cast<std::size_t>(
        ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(),
                              static_cast<int>(wide.size()))));
    for (wchar_t& c : wide)
        if (c < 0x20 || wcschr(L"\\/:*?\"<>| ", c))
            c = L'_';
    return ToAnsi(wide);
}

} // namespace

void CaptureForDocs(HWND window) {
    const char* folder = std::getenv("E2E_SHOTS");
    if (!folder || !*folder || !::IsWindowVisible(window))
        return;
    std::string name;
    if (IsMessageBox(window)) {
        // One picture per message: its wording without the paths and numbers it quotes.
        std::string wording;
        for (const char c : ItemText(window, kMessageTextId))
            if (static_cast<unsigned char>(c) >= 0x80)
                wording += c;
        char hash[16];
        std::snprintf(hash, sizeof hash, "%08x", Fnv1a(wording + WindowText(window)));
        name = "message-" + std::string(hash);
        std::ofstream text(std::string(folder) + "\\" + name + ".txt", std::ios::binary);
        text << ItemText(window, kMessageTextId);
    } else {
        // Dialogs that share a caption differ in their controls; the detail dialog's caption
        // ends in the entry's number.
        std::string caption = WindowText(window);
        caption = caption.substr(0, caption.find(" - "));
        while (!caption.empty() && caption.back() >= '0' && caption.back() <= '9')
            caption.pop_back();
        unsigned controls = 0;
        ::EnumChildWindows(window, &AddControlId, reinterpret_cast<LPARAM>(&controls));
        name = "dialog-" + Utf8FileName(caption) + "-" + std::to_string(controls % 10000);
    }
    SaveWindowPicture(window, std::string(folder) + "\\" + name + ".bmp");
}

bool SaveWindowPicture(HWND window, const std::string& path) {
    ::UpdateWindow(window);
    PumpMessages(std::chrono::milliseconds(150));
    RECT area{};
    ::GetWindowRect(window, &area);
    return SaveScreenArea(area, path);
}

std::string ToWindowsPath(std::string path) {
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return path;
}

void PumpMessages(std::chrono::milliseconds duration) {
    const auto end = std::chrono::steady_clock::now() + duration;
    do {
        MSG message;
        while (::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        std::this_thread::sleep_for(10ms);
    } while (std::chrono::steady_clock::now() < end);
}

Importer::Importer(const std::string& importerPath, const std::string& arguments,
                   const std::string& currentFolder) {
    std::string commandLine = "\"";
    commandLine.append(importerPath).append("\" ").append(arguments);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          currentFolder.empty() ? nullptr : currentFolder.c_str(), &startup, &info))
        throw std::runtime_error("cannot start " + importerPath);
    ::CloseHandle(info.hThread);
    process_ = info.hProcess;
    processId_ = info.dwProcessId;
}

Importer::~Importer() {
    if (!process_)
        return;
    if (Running()) {
        ::TerminateProcess(process_, 1);
        ::WaitForSingleObject(process_, 5000);
    }
    ::CloseHandle(process_);
}

bool Importer::Running() const {
    return ::WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool Importer::WaitForExit(std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (Running()) {
        if (std::chrono::steady_clock::now() > end)
            return false;
        PumpMessages(20ms);
    }
    PumpMessages(100ms); // the posted command
    return true;
}

HWND Importer::WaitForWindow(const std::string& caption, std::chrono::milliseconds timeout) const {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        FindContext context{processId_, &caption, nullptr, nullptr};
        ::EnumWindows(&FindTopLevel, reinterpret_cast<LPARAM>(&context));
        if (context.found) {
            PumpMessages(100ms); // let the dialog finish its initialisation
            if (timeout > 0ms)
                CaptureForDocs(context.found);
            return context.found;
        }
        if (std::chrono::steady_clock::now() > end || !Running())
            return nullptr;
        PumpMessages(30ms);
    }
}

std::vector<std::string> Importer::WindowCaptions() const {
    std::vector<std::string> captions;
    FindContext context{processId_, nullptr, nullptr, &captions};
    ::EnumWindows(&FindTopLevel, reinterpret_cast<LPARAM>(&context));
    return captions;
}

// Wine hands text across processes as UTF-16 only; the tests compare ANSI (Big5) bytes.
std::string ToAnsi(const std::wstring& text) {
    if (text.empty())
        return {};
    const int size = ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                           nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), ansi.data(), size,
                          nullptr, nullptr);
    return ansi;
}

std::string WindowText(HWND window) {
    wchar_t text[4096] = {};
    ::SendMessageW(window, WM_GETTEXT, 4096, reinterpret_cast<LPARAM>(text));
    return ToAnsi(text);
}

std::string ItemText(HWND dialog, int controlId) {
    return WindowText(::GetDlgItem(dialog, controlId));
}

bool ItemVisible(HWND dialog, int controlId) {
    HWND item = ::GetDlgItem(dialog, controlId);
    return item && (::GetWindowLongA(item, GWL_STYLE) & WS_VISIBLE) != 0;
}

bool ItemChecked(HWND dialog, int controlId) {
    return ::SendMessageA(::GetDlgItem(dialog, controlId), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

std::vector<std::string> ListBoxItems(HWND dialog, int controlId) {
    HWND list = ::GetDlgItem(dialog, controlId);
    const auto count = ::SendMessageA(list, LB_GETCOUNT, 0, 0);
    std::vector<std::string> items;
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring text(static_cast<std::size_t>(::SendMessageW(list, LB_GETTEXTLEN, i, 0)) + 1,
                          L'\0');
        ::SendMessageW(list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        items.push_back(ToAnsi(text.c_str()));
    }
    return items;
}

std::vector<std::string> ComboBoxItems(HWND dialog, int controlId) {
    HWND combo = ::GetDlgItem(dialog, controlId);
    const auto count = ::SendMessageA(combo, CB_GETCOUNT, 0, 0);
    std::vector<std::string> items;
    for (LRESULT i = 0; i < count; ++i) {
        std::wstring text(
            static_cast<std::size_t>(::SendMessageW(combo, CB_GETLBTEXTLEN, i, 0)) + 1, L'\0');
        ::SendMessageW(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text.data()));
        items.push_back(ToAnsi(text.c_str()));
    }
    return items;
}

int ComboBoxSelection(HWND dialog, int controlId) {
    return static_cast<int>(::SendMessageA(::GetDlgItem(dialog, controlId), CB_GETCURSEL, 0, 0));
}

void Click(HWND dialog, int controlId) {
    ::PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(dialog, controlId)));
}

void SelectComboItem(HWND dialog, int controlId, int index) {
    HWND combo = ::GetDlgItem(dialog, controlId);
    ::SendMessageA(combo, CB_SETCURSEL, index, 0);
    // Sent, not posted: the dialog has handled the change when this returns.
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(combo));
    PumpMessages(100ms);
}

void SelectListItems(HWND dialog, int controlId, std::initializer_list<int> entries) {
    HWND list = ::GetDlgItem(dialog, controlId);
    ::SendMessageA(list, LB_SETSEL, FALSE, -1);
    for (int entry : entries)
        ::SendMessageA(list, LB_SETSEL, TRUE, entry);
}

void SetCheck(HWND dialog, int controlId, bool checked) {
    HWND box = ::GetDlgItem(dialog, controlId);
    ::SendMessageA(box, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    ::SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(controlId, BN_CLICKED),
                   reinterpret_cast<LPARAM>(box));
    PumpMessages(50ms);
}

void PressKey(HWND window, UINT virtualKey) {
    HWND focus = window;
    // Keys go to the focused control; IsDialogMessage turns Esc and Enter into commands.
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (::GetGUIThreadInfo(::GetWindowThreadProcessId(window, nullptr), &info) && info.hwndFocus)
        focus = info.hwndFocus;
    ::PostMessageA(focus, WM_KEYDOWN, virtualKey, 1);
    ::PostMessageA(focus, WM_KEYUP, virtualKey, 0xC0000001);
}

void CloseWithCloseBox(HWND window) {
    ::PostMessageA(window, WM_SYSCOMMAND, SC_CLOSE, 0);
}

MessageBoxContents ReadMessageBox(HWND box) {
    MessageBoxContents contents;
    contents.caption = WindowText(box);
    contents.text = ItemText(box, kMessageTextId);
    contents.icon = IdentifyIcon(::GetDlgItem(box, kMessageIconId));
    contents.owner = ::GetWindow(box, GW_OWNER);
    return contents;
}

std::optional<MessageBoxContents> AnswerMessageBox(const Importer& importer, int button) {
    const auto end = std::chrono::steady_clock::now() + kWindowTimeout;
    while (std::chrono::steady_clock::now() < end && importer.Running()) {
        for (const std::string& caption : importer.WindowCaptions()) {
            HWND box = importer.WaitForWindow(caption, 0ms);
            // The progress notice also has a static 0xFFFF, but no button.
            if (box && IsMessageBox(box) && ::GetDlgItem(box, button)) {
                MessageBoxContents contents = ReadMessageBox(box);
                CaptureForDocs(box);
                Click(box, button);
                PumpMessages(100ms);
                return contents;
            }
        }
        PumpMessages(30ms);
    }
    return std::nullopt;
}

void ChooseFile(HWND fileDialog, const std::string& path) {
    constexpr int kFileNameCombo = 0x47C;
    HWND edit = nullptr;
    HWND combo = ::GetDlgItem(fileDialog, kFileNameCombo);
    ::EnumChildWindows(combo ? combo : fileDialog, &FindEditChild, reinterpret_cast<LPARAM>(&edit));
    std::wstring widePath(path.size() + 1, L'\0');
    widePath.resize(static_cast<std::size_t>(::MultiByteToWideChar(
        CP_ACP, 0, path.c_str(), -1, widePath.data(), static_cast<int>(widePath.size()))));
    ::SendMessageW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(widePath.c_str()));
    Click(fileDialog, IDOK);
}

} // namespace windriver
