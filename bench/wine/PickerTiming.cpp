// Times large imports through the real importer under Wine, for the CSV picker and the
// speed-dial picker: from the file chosen to the picker shown, then selecting every entry and
// adding it, then OK until the confirmation shows.
//   scripts/wine-run build/windows/bench/wine/picker_timing.exe [entries]
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

constexpr char kTestName[] = "\xb4\xfa\xb8\xd5"; // 測試

double Seconds(Clock::time_point since) {
    return std::chrono::duration<double>(Clock::now() - since).count();
}

std::string TemporaryFile(const char* name) {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + name;
}

std::string WritePhoneBook(int rows) {
    const std::string path = TemporaryFile("picker-timing.csv");
    std::ofstream file(path, std::ios::binary);
    file << texts::kNameHeaderWord << ',' << texts::kFaxHeaderWord << "\r\n";
    for (int row = 0; row < rows; ++row)
        file << kTestName << row << ",02-" << (20000000 + row) << "\r\n";
    return path;
}

// A version 2 export: speed-dial numbers 1 to `entries`, each with a name and a fax number.
std::string WriteSpeedDialExport(int entries) {
    const std::string path = TemporaryFile("picker-timing-speeddial.csv");
    std::ofstream file(path, std::ios::binary);
    file << "*,1,2,0\r\nNO,TYPE,NAME,MFFAX,MFSUB,MFMODE,MFOPT01,MFOPT02,MFOPT03,MFOPT04,"
            "MFOPT05,MFOPT06,MFOPT07,MFOPT08,MFSECURE,MFSECPW,MFSECBOX,MFRELAY,MFRELAYST,"
            "MFRELAYOPT,MFRELAYTO,MFOPT09,MFOPT10,MFOPT11,MFFSUB,MFFPW,MFOPT12,MFOPT13,MFOPT14,"
            "MFOPT15\r\n";
    for (int entry = 1; entry <= entries; ++entry)
        file << entry << ",FAX," << kTestName << entry << ",02-" << (20000000 + entry)
             << ",,0,,,,,,,,,,,,,,,,,,,,,,,,\r\n";
    return path;
}

struct PickerRun {
    const char* label;
    int importType;
    const char* fileDialogTitle;
    const char* pickerCaption;
    std::string book;
};

bool TimePicker(const PickerRun& run) {
    Importer importer(ToWindowsPath(IMPORTER_EXE),
                      "||0|IMPORT_TYPE_" + std::to_string(run.importType));
    HWND fileDialog = importer.WaitForWindow(run.fileDialogTitle, std::chrono::seconds(30));
    if (!fileDialog)
        return false;
    ChooseFile(fileDialog, run.book);
    const auto started = Clock::now();
    const std::string title = std::string(run.pickerCaption) + " - " + run.book;
    HWND picker = importer.WaitForWindow(title, std::chrono::minutes(5));
    if (!picker)
        return false;
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
    std::printf("%s: source entries %ld, picked %ld\n", run.label, static_cast<long>(entries),
                static_cast<long>(picked));
    std::printf("  file chosen -> picker shown:    %.2f s\n", toPicker);
    std::printf("  select all + add:               %.2f s\n", toAdd);
    std::printf("  OK -> confirmation shown:       %.2f s\n", toConfirm);
    if (confirm)
        Click(confirm, IDCANCEL);
    PumpMessages(std::chrono::milliseconds(500));
    AnswerMessageBox(importer);
    return importer.WaitForExit(std::chrono::seconds(30)) && confirm;
}

} // namespace

int main(int argc, char** argv) {
    const int entries = argc > 1 ? std::atoi(argv[1]) : 100000;
    const PickerRun runs[] = {
        {"CSV picker", 5, texts::kChooseCsvTitle, texts::kCsvImportCaption,
         WritePhoneBook(entries)},
        {"speed-dial picker", 6, texts::kChooseSpeedDialTitle, texts::kSpeedDialImportCaption,
         WriteSpeedDialExport(entries)},
    };
    bool ok = true;
    for (const PickerRun& run : runs)
        ok = TimePicker(run) && ok;
    return ok ? 0 : 1;
}
