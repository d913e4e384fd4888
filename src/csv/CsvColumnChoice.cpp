#include "csv/CsvColumnChoice.h"

#include "text/FixedTexts.h"

#include <utility>

CsvColumnChoice::CsvColumnChoice(std::string sourcePath, std::span<char* const> headerFields)
    : sourcePath_(std::move(sourcePath)), fields_(headerFields) {}

std::string CsvColumnChoice::Title() const {
    return std::string(texts::kCsvImportCaption) + " - " + sourcePath_;
}

bool CsvColumnChoice::IsColumn(int selection) const {
    return selection >= 0 && static_cast<std::size_t>(selection) < fields_.size();
}

void CsvColumnChoice::ToggleName(int selection) {
    if (fields_.empty())
        return;
    if (nameColumn_ >= 0) {
        nameColumn_ = -1;
        return;
    }
    // A list without a selection has nothing to assign.
    if (!IsColumn(selection))
        return;
    nameColumn_ = selection;
    if (faxColumn_ == nameColumn_)
        faxColumn_ = -1;
}

void CsvColumnChoice::ToggleFax(int selection) {
    if (fields_.empty())
        return;
    if (faxColumn_ >= 0) {
        faxColumn_ = -1;
        return;
    }
    if (!IsColumn(selection))
        return;
    faxColumn_ = selection;
    if (nameColumn_ == faxColumn_)
        nameColumn_ = -1;
}

const char* CsvColumnChoice::NameButtonCaption() const {
    return nameColumn_ >= 0 ? texts::kReleaseNameCaption : texts::kAssignNameCaption;
}

const char* CsvColumnChoice::FaxButtonCaption() const {
    return faxColumn_ >= 0 ? texts::kReleaseFaxCaption : texts::kAssignFaxCaption;
}

const char* CsvColumnChoice::ColumnText(int column) const {
    return column >= 0 ? fields_[static_cast<std::size_t>(column)] : "";
}

const char* CsvColumnChoice::NameFieldText() const {
    return ColumnText(nameColumn_);
}
const char* CsvColumnChoice::FaxFieldText() const {
    return ColumnText(faxColumn_);
}

const char* CsvColumnChoice::RefusalOnOk() const {
    return faxColumn_ < 0 ? texts::kFaxColumnRequired : nullptr;
}
