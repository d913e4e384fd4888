#include "CsvTestSupport.h"

#include <unicode/ucnv.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <numeric>
#include <stdexcept>

TemporaryFolder::TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "csv-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string TemporaryFolder::Write(const std::string& name, const std::string& bytes) const {
    const std::string path = PathOf(name);
    std::ofstream file(path, std::ios::binary);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!file)
        throw std::runtime_error("cannot write " + path);
    return path;
}

std::string ExampleBytes(const std::string& name) {
    std::ifstream file(std::string(IMPORTER_EXAMPLES_DIR) + "/" + name, std::ios::binary);
    if (!file)
        throw std::runtime_error("missing example " + name);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string Big5(const std::string& utf8) {
    UErrorCode status = U_ZERO_ERROR;
    std::string big5(utf8.size() * 2 + 1, '\0');
    const int32_t length =
        ucnv_convert("windows-950", "UTF-8", big5.data(), static_cast<int32_t>(big5.size()),
                     utf8.data(), static_cast<int32_t>(utf8.size()), &status);
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("no Big5 for ") + utf8);
    big5.resize(static_cast<std::size_t>(length));
    return big5;
}

bool ScriptedCsvDialogs::ChooseColumns(CsvColumnChoice& choice) {
    ++columnDialogRuns;
    headerFields.clear();
    for (std::size_t column = 0; column < choice.FieldCount(); ++column)
        headerFields.emplace_back(choice.FieldText(column));
    return columns(choice);
}

bool ScriptedCsvDialogs::PickRecipients(CsvRecipientPicker& recipients) {
    ++pickerRuns;
    sourceEntries.clear();
    for (int entry = 0; entry < recipients.SourceCount(); ++entry)
        sourceEntries.emplace_back(recipients.SourceText(entry).View());
    return picker(recipients);
}

std::function<bool(CsvRecipientPicker&)> PickEntries(std::vector<int> entries) {
    return [entries](CsvRecipientPicker& picker) {
        picker.AddPicks(entries);
        return true;
    };
}

std::function<bool(CsvRecipientPicker&)> PickAll() {
    return [](CsvRecipientPicker& picker) {
        std::vector<int> all(static_cast<std::size_t>(picker.SourceCount()));
        std::iota(all.begin(), all.end(), 0);
        picker.AddPicks(all);
        return true;
    };
}

std::function<bool(CsvColumnChoice&)> ChooseColumns(int nameColumn, int faxColumn) {
    return [nameColumn, faxColumn](CsvColumnChoice& choice) {
        if (nameColumn >= 0)
            choice.ToggleName(nameColumn);
        choice.ToggleFax(faxColumn);
        return choice.RefusalOnOk() == nullptr;
    };
}
