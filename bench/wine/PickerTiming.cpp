// Times a large CSV import through the real importer under Wine: from start to the picker
// shown, then selecting every entry, adding it and pressing OK until the confirmation shows.
//   scripts/wine-run build/windows/bench/wine/picker_timing.exe [rows]
#include "ResourceIds.h"
#include "text/FixedTexts.h"
#include "windriver/WindowDriver.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

using namespace windriver;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

std::string WritePhoneBook(int rows) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "picker-timing.csv";
    std::ofstream file(path, std::ios::binary);
    file << texts::kNameHeaderWord << ',' << texts::kFaxHeaderWord << "\r\n";
    for (int row = 0; row < rows; ++row)
        file << "\xb4\xfa\xb8\xd5" << row << ",02-" << (20000000 + row) << "\r\n";
    return path;
}

} // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::atoi(argv[1]) : 100000;
    const std::string book = WritePhoneBook(rows);
    Importer importer(ToWindowsPath(IMPORTER_EXE), "||0|IMPORT_TYPE_5");
    HWND fileDialog = importer.WaitForWindow(texts::kChooseCsvTitle, std::chrono::seconds(30));
    if (!fileDialog)
        return 1;
    ChooseFile(fileDialog, book);
    const auto started = Clock::now();
    const std::string title = std::string(texts::kCsvImportCaption) + " - " + book;
    HWND picker = importer.WaitForWindow(title, std::chrono::minutes(5));
    if (!picker)
        return 1;
    const double toPicker = Seconds(started);
    const auto entries = ::SendDlgItemMessageA(picker, IDC_SOURCE_LIST, LB_GETCOUNT, 0, 0);

    const auto adding = Clock::now();
    ::SendDlgItemMessageA(picker, IDC_SOURCE_LIST, LB_SETSEL, TRUE, -1);
    ::SendMessageA(picker, WM_COMMAND, MAKEWPARAM(IDC_ADD_PICKS, BN_CLICKED),
                   reinterpret_cast<LPARAM>(::GetDlgItem(picker, IDC_ADD_PICKS)));
    const auto picked = ::SendDlgItemMessageA(picker, IDC_PICKED_LIST, LB_GETCOUNT, 0, 0);
    const double toAdd = Seconds(adding);
    const auto confirming = Clock::now();
    Click(picker, IDOK);
    HWND confirm = importer.WaitForWindow(texts::kConfirmCaption, std::chrono::minutes(5));
    const double toConfirm = Seconds(confirming);
    std::printf("rows %d, source entries %ld, picked %ld\n", rows, static_cast<long>(entries),
                static_cast<long>(picked));
    std::printf("file chosen -> picker shown:      %.2f s\n", toPicker);
    std::printf("select all + add:                 %.2f s\n", toAdd);
    std::printf("OK -> confirmation shown:         %.2f s\n", toConfirm);
    if (confirm)
        Click(confirm, IDCANCEL);
    PumpMessages(std::chrono::milliseconds(500));
    AnswerMessageBox(importer);
    importer.WaitForExit(std::chrono::seconds(30));
    return 0;
}
