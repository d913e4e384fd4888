#include "DemoWindow.h"

#include <fstream>
#include <iterator>

namespace {

constexpr wchar_t kClassName[] = L"DemoFaxHost";
constexpr int kHostLimitChildId = 1008;

enum ControlId : int {
    kPhoneBookList = 100,
    kLimitBox = 101,
    kSingleRecipientBox = 102,
    kImportTypeCombo = 103,
    kImportButton = 104,
    kStatusText = 105,
};

const wchar_t* const kImportTypeNames[] = {
    L"由匯入程式詢問",     L"1  MS傳訊系統通訊錄",    L"2  Windows通訊錄檔案",
    L"3  預設WAB檔案",     L"4  CSV（手動選擇欄位）", L"5  CSV（自動搜尋欄位）",
    L"6  短縮撥號EWS-CSV",
};

std::wstring FromUtf8(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    const int length = ::MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                                             wide.data(), static_cast<int>(wide.size()));
    wide.resize(static_cast<std::size_t>(length));
    return wide;
}

HWND Control(HWND parent, const wchar_t* className, const wchar_t* text, DWORD style, int x, int y,
             int width, int height, int id) {
    return ::CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                             parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             ::GetModuleHandleW(nullptr), nullptr);
}

} // namespace

DemoWindow::DemoWindow(std::string importerPath, std::string resultPath)
    : importerPath_(std::move(importerPath)), resultPath_(std::move(resultPath)) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = &DemoWindow::WindowProc;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kClassName;
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.hCursor = ::LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    ::RegisterClassW(&windowClass);
    window_ = ::CreateWindowExW(0, kClassName, L"傳真電話簿（示範主機）",
                                WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 40, 40,
                                640, 460, nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
    CreateControls();
    ::ShowWindow(window_, SW_SHOW);
    ::UpdateWindow(window_);
}

DemoWindow::~DemoWindow() {
    if (window_)
        ::DestroyWindow(window_);
    if (font_)
        ::DeleteObject(font_);
}

void DemoWindow::CreateControls() {
    font_ = ::CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0, 0,
                          L"WenQuanYi Zen Hei");
    const HWND controls[] = {
        Control(window_, L"STATIC", L"電話簿：", 0, 12, 10, 200, 18, -1),
        Control(window_, L"LISTBOX", L"",
                WS_BORDER | WS_VSCROLL | LBS_USETABSTOPS | LBS_NOINTEGRALHEIGHT, 12, 30, 610, 270,
                kPhoneBookList),
        Control(window_, L"BUTTON", L"限制為200個受信方（子視窗1008）", BS_AUTOCHECKBOX, 12, 310,
                320, 22, kLimitBox),
        Control(window_, L"BUTTON", L"只允許一個受信方（選項2）", BS_AUTOCHECKBOX, 12, 336, 320, 22,
                kSingleRecipientBox),
        Control(window_, L"STATIC", L"匯入類型：", 0, 12, 366, 80, 20, -1),
        Control(window_, L"COMBOBOX", L"", CBS_DROPDOWNLIST | WS_VSCROLL, 92, 362, 240, 200,
                kImportTypeCombo),
        Control(window_, L"BUTTON", L"匯入(&I)...", BS_DEFPUSHBUTTON, 500, 360, 120, 28,
                kImportButton),
        Control(window_, L"STATIC", L"", 0, 12, 398, 610, 20, kStatusText),
    };
    for (HWND control : controls)
        ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    HWND combo = ::GetDlgItem(window_, kImportTypeCombo);
    for (const wchar_t* name : kImportTypeNames)
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    ::SendMessageW(combo, CB_SETCURSEL, 0, 0);
    int tabStop = 120;
    ::SendDlgItemMessageW(window_, kPhoneBookList, LB_SETTABSTOPS, 1,
                          reinterpret_cast<LPARAM>(&tabStop));
}

void DemoWindow::SetLimitChild(bool present) {
    if (present && !limitChild_)
        limitChild_ = Control(window_, L"STATIC", L"", 0, 0, 0, 0, 0, kHostLimitChildId);
    if (!present && limitChild_) {
        ::DestroyWindow(limitChild_);
        limitChild_ = nullptr;
    }
}

void DemoWindow::Apply(const ImportSettings& settings) {
    ::CheckDlgButton(window_, kLimitBox, settings.limitChild ? BST_CHECKED : BST_UNCHECKED);
    ::CheckDlgButton(window_, kSingleRecipientBox,
                     settings.singleRecipient ? BST_CHECKED : BST_UNCHECKED);
    ::SendDlgItemMessageW(window_, kImportTypeCombo, CB_SETCURSEL, settings.importType, 0);
    SetLimitChild(settings.limitChild);
}

ImportSettings DemoWindow::ReadSettings() const {
    ImportSettings settings;
    settings.limitChild = ::IsDlgButtonChecked(window_, kLimitBox) == BST_CHECKED;
    settings.singleRecipient = ::IsDlgButtonChecked(window_, kSingleRecipientBox) == BST_CHECKED;
    settings.importType =
        static_cast<int>(::SendDlgItemMessageW(window_, kImportTypeCombo, CB_GETCURSEL, 0, 0));
    return settings;
}

HANDLE DemoWindow::StartImport() {
    const ImportSettings settings = ReadSettings();
    std::string commandLine =
        "\"" + importerPath_ + "\" " + resultPath_ + "||" + (settings.singleRecipient ? "2" : "0");
    if (settings.importType > 0)
        commandLine += "|IMPORT_TYPE_" + std::to_string(settings.importType);
    ::SetWindowTextW(::GetDlgItem(window_, kStatusText), L"匯入中...");
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &info)) {
        ::SetWindowTextW(::GetDlgItem(window_, kStatusText), L"無法啟動匯入程式。");
        return nullptr;
    }
    ::CloseHandle(info.hThread);
    return info.hProcess;
}

void DemoWindow::OnImportFinished(int command) {
    lastCommand_ = command;
    std::ifstream file(resultPath_, std::ios::binary);
    const std::string bytes{std::istreambuf_iterator<char>(file), {}};
    book_ = ReadExchangeFile(bytes, command);
    ShowBook();
}

void DemoWindow::ShowBook() {
    HWND list = ::GetDlgItem(window_, kPhoneBookList);
    ::SendMessageW(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& line : book_.lines)
        ::SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(FromUtf8(line).c_str()));
    const std::wstring status =
        L"收到命令 " + std::to_wstring(lastCommand_) + L"：" +
        (book_.problem.empty() ? std::to_wstring(book_.lines.size()) + L" 筆記錄"
                               : FromUtf8(book_.problem));
    ::SetWindowTextW(::GetDlgItem(window_, kStatusText), status.c_str());
}

LRESULT CALLBACK DemoWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        ::SetWindowLongPtrW(window, GWLP_USERDATA,
                            reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        reinterpret_cast<DemoWindow*>(create->lpCreateParams)->window_ = window;
    }
    auto* self = reinterpret_cast<DemoWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    return self ? self->Handle(message, wParam, lParam)
                : ::DefWindowProcW(window, message, wParam, lParam);
}

LRESULT DemoWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        const int id = LOWORD(wParam);
        if (lParam == 0 && (id == kRecipientsCommand || id == kSpeedDialCommand)) {
            OnImportFinished(id);
            return 0;
        }
        if (id == kLimitBox && HIWORD(wParam) == BN_CLICKED)
            SetLimitChild(::IsDlgButtonChecked(window_, kLimitBox) == BST_CHECKED);
        if (id == kImportButton && HIWORD(wParam) == BN_CLICKED) {
            if (HANDLE process = StartImport())
                ::CloseHandle(process);
        }
        return 0;
    }
    case WM_DESTROY:
        window_ = nullptr;
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcW(window_, message, wParam, lParam);
    }
}
