#include "ScriptedDemo.h"

#include "ResourceIds.h"
#include "text/FixedTexts.h"
#include "windriver/WindowDriver.h"

#include <cstdio>
#include <fstream>
#include <set>
#include <vector>

using namespace windriver;

namespace {

constexpr int kMessageTextId = 0xFFFF;

std::string ToUtf8(const std::string& ansi) {
    std::wstring wide(ansi.size() + 1, L'\0');
    wide.resize(static_cast<std::size_t>(
        ::MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide.data(),
                              static_cast<int>(wide.size()))));
    std::string utf8(wide.size() * 3 + 1, '\0');
    utf8.resize(static_cast<std::size_t>(
        ::WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), utf8.data(),
                              static_cast<int>(utf8.size()), nullptr, nullptr)));
    return utf8;
}

bool Has(HWND window, int controlId) {
    return ::GetDlgItem(window, controlId) != nullptr;
}

bool IsFileDialogTitle(const std::string& caption) {
    return caption == texts::kChooseCsvTitle || caption == texts::kChooseSpeedDialTitle ||
           caption == texts::kChooseWabTitle;
}

int FindComboEntry(HWND dialog, int controlId, const char* text) {
    const auto items = ComboBoxItems(dialog, controlId);
    for (std::size_t i = 0; i < items.size(); ++i)
        if (items[i] == text)
            return static_cast<int>(i);
    return 0;
}

BOOL CALLBACK CollectWindow(HWND window, LPARAM parameter) {
    auto* context = reinterpret_cast<std::pair<DWORD, std::vector<HWND>*>*>(parameter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == context->first && ::IsWindowVisible(window))
        context->second->push_back(window);
    return TRUE;
}

std::vector<HWND> VisibleWindowsOf(DWORD processId) {
    std::vector<HWND> windows;
    std::pair<DWORD, std::vector<HWND>*> context{processId, &windows};
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&context));
    return windows;
}

} // namespace

ScriptedDemo::ScriptedDemo(DemoWindow& host, std::string importerPath, std::string shotFolder)
    : host_(host), importerPath_(std::move(importerPath)), shotFolder_(std::move(shotFolder)) {}

void ScriptedDemo::Shot(const std::string& name) {
    PumpMessages(std::chrono::milliseconds(300));
    char number[8];
    std::snprintf(number, sizeof number, "%02d-", ++shotNumber_);
    SaveScreenArea(ScreenArea(), shotFolder_ + "\\" + number + name + ".bmp");
}

bool ScriptedDemo::Run(const ScriptedImport& import) {
    std::printf("== %s\n", import.title);
    std::fflush(stdout);
    host_.Apply(import.settings);
    ::SetForegroundWindow(host_.Handle());
    PumpMessages(std::chrono::milliseconds(200));
    Shot("host-before");
    HANDLE process = host_.StartImport();
    if (!process)
        return false;
    processId_ = ::GetProcessId(process);
    std::set<HWND> handled;
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (::WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
        if (std::chrono::steady_clock::now() > end) {
            ::TerminateProcess(process, 1);
            break;
        }
        for (HWND window : VisibleWindowsOf(processId_)) {
            if (handled.count(window) || !::IsWindowEnabled(window))
                continue;
            PumpMessages(std::chrono::milliseconds(300));
            if (HandleWindow(window, import))
                handled.insert(window);
        }
        PumpMessages(std::chrono::milliseconds(50));
    }
    ::CloseHandle(process);
    PumpMessages(std::chrono::milliseconds(300));
    Shot("host-after");
    PrintBook(import.title);
    return true;
}

HWND ScriptedDemo::WaitForWindowWith(int controlId) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        for (HWND window : VisibleWindowsOf(processId_))
            if (Has(window, controlId))
                return window;
        PumpMessages(std::chrono::milliseconds(100));
    }
    return nullptr;
}

bool ScriptedDemo::HandleWindow(HWND window, const ScriptedImport& import) {
    const std::string caption = WindowText(window);
    if (IsMessageBox(window)) {
        std::printf("   message: %s\n", ToUtf8(ItemText(window, kMessageTextId)).c_str());
        Shot("message");
        Click(window, Has(window, IDYES) ? IDYES : IDOK);
        return true;
    }
    if (Has(window, IDC_IMPORT_TYPE_LIST)) {
        Shot("import-type-chooser");
        const bool csv = import.settings.importType == 0;
        SelectComboItem(window, IDC_IMPORT_TYPE_LIST,
                        FindComboEntry(window, IDC_IMPORT_TYPE_LIST, texts::kCsvEntry));
        if (csv)
            SetCheck(window, IDC_SEARCH_COLUMNS, true);
        Shot("import-type-chosen");
        Click(window, IDOK);
        return true;
    }
    if (IsFileDialogTitle(caption)) {
        Shot("file-dialog");
        ChooseFile(window, import.sourceFile);
        return true;
    }
    // The confirmation dialog shares some control ids with the pickers.
    if (Has(window, IDC_VALID_COUNT)) {
        Shot("confirmation");
        Click(window, IDOK);
        return true;
    }
    if (Has(window, IDC_VIEW_DETAILS)) {
        Shot("speed-dial-picker");
        ::SendDlgItemMessageA(window, IDC_SOURCE_LIST, LB_SETSEL, FALSE, -1);
        ::SendDlgItemMessageA(window, IDC_SOURCE_LIST, LB_SETSEL, TRUE, 0);
        Click(window, IDC_VIEW_DETAILS);
        if (HWND details = WaitForWindowWith(IDC_DETAIL_NAME)) {
            Shot("speed-dial-details");
            Click(details, IDOK);
            PumpMessages(std::chrono::milliseconds(300));
        }
        ::SendDlgItemMessageA(window, IDC_SOURCE_LIST, LB_SETSEL, TRUE, -1);
        Click(window, IDC_ADD_PICKS);
        Shot("speed-dial-picked");
        Click(window, IDOK);
        return true;
    }
    if (Has(window, IDC_SOURCE_LIST) && Has(window, IDC_ADD_PICKS)) {
        Shot("recipient-picker");
        ::SendDlgItemMessageA(window, IDC_SOURCE_LIST, LB_SETSEL, TRUE, -1);
        Click(window, IDC_ADD_PICKS);
        Shot("recipients-picked");
        Click(window, IDOK);
        return true;
    }
    return false;
}

void ScriptedDemo::PrintBook(const char* title) const {
    const PhoneBook& book = host_.Book();
    std::printf("   host received command %d; %s: %zu records\n", host_.LastCommand(), title,
                book.lines.size());
    if (!book.problem.empty())
        std::printf("   %s\n", book.problem.c_str());
    for (const std::string& line : book.lines)
        std::printf("   %s\n", line.c_str());
    std::fflush(stdout);
}
