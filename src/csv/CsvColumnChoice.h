// What the column selection dialog decides: the two toggles, their captions and fields, the
// title and the check on OK. The dialog shows this state and forwards its buttons here.
#pragma once

#include <span>
#include <string>

class CsvColumnChoice {
  public:
    // `headerFields` are the split header's fields; they must outlive the choice.
    CsvColumnChoice(std::string sourcePath, std::span<char* const> headerFields);

    // "CSV匯入 - path"
    std::string Title() const;
    // The column list's entries, one per header field in header order.
    std::size_t FieldCount() const { return fields_.size(); }
    const char* FieldText(std::size_t column) const { return fields_[column]; }

    // Buttons 1053 and 1054 with the list's current selection: assign that column, or release
    // the assigned one whatever is selected. Assigning one role the other's column releases the
    // other.
    void ToggleName(int selection);
    void ToggleFax(int selection);

    const char* NameButtonCaption() const;
    const char* FaxButtonCaption() const;
    // Fields 1052 and 1055: the assigned column's text, or empty.
    const char* NameFieldText() const;
    const char* FaxFieldText() const;

    int NameColumn() const { return nameColumn_; }
    int FaxColumn() const { return faxColumn_; }

    // OK: nullptr when the dialog may close with OK; otherwise the warning to show (caption
    // "CSV匯入", warning icon, owned by the dialog) while the dialog stays open.
    const char* RefusalOnOk() const;

  private:
    bool IsColumn(int selection) const;
    const char* ColumnText(int column) const;

    std::string sourcePath_;
    std::span<char* const> fields_;
    int nameColumn_ = -1;
    int faxColumn_ = -1;
};
