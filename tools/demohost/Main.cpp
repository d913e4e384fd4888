// The demo host. Without arguments it is an interactive phone-book window; with
// --script <examples folder> --shots <folder> it runs the bundled imports by itself.
#include "DemoWindow.h"
#include "ScriptedDemo.h"
#include "windriver/WindowDriver.h"

#include <cstring>
#include <string>

namespace {

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path);
    return folder.substr(0, folder.find_last_of('\\') + 1);
}

std::string ImporterPath() {
    const std::string beside = ProgramFolder() + "FaxImport.exe";
    if (::GetFileAttributesA(beside.c_str()) != INVALID_FILE_ATTRIBUTES)
        return beside;
    return windriver::ToWindowsPath(IMPORTER_EXE);
}

std::string ResultPath() {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    return std::string(temp) + "demo-phonebook.bin";
}

int RunInteractive(DemoWindow&) {
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}

int RunScripted(DemoWindow& window, const std::string& examples, const std::string& shots) {
    ScriptedDemo demo(window, ImporterPath(), shots);
    const ScriptedImport imports[] = {
        {"CSV phone book, columns found by their header words",
         {false, false, 0},
         examples + "\\phonebook-header-words.csv"},
        {"A list typed in a spreadsheet, headed by the word for name",
         {false, false, 5},
         examples + "\\phonebook-spreadsheet.csv"},
        {"A mail program's contact export: names composed from their parts",
         {false, false, 5},
         examples + "\\phonebook-mail-export.csv"},
        {"Contacts exported as vCard files: cards of versions 2.1, 3.0 and 4.0",
         {false, false, 5},
         examples + "\\contacts.vcf"},
        {"Speed-dial list of a multifunction device (EWS-CSV version 5)",
         {false, false, 6},
         examples + "\\speeddial-v5.csv"},
    };
    bool all = true;
    int number = 0;
    for (const ScriptedImport& import : imports) {
        // Each import's result stays beside the screenshots for exchange-dump to print.
        window.SetResultPath(shots + "\\import-" + std::to_string(++number) + ".bin");
        all = demo.Run(import) && all;
    }
    return all ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    std::string examples;
    std::string shots = ".";
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--script") == 0)
            examples = windriver::ToWindowsPath(argv[++i]);
        else if (std::strcmp(argv[i], "--shots") == 0)
            shots = windriver::ToWindowsPath(argv[++i]);
    }
    DemoWindow window(ImporterPath(), ResultPath());
    return examples.empty() ? RunInteractive(window) : RunScripted(window, examples, shots);
}
