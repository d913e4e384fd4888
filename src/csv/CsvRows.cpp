#include "csv/CsvRows.h"

#include "csv/CsvPhoneColumns.h"
#include "csv/CsvRecords.h"
#include "csv/CsvRowName.h"

#include <cstring>
#include <limits>
#include <span>

namespace {

// Builds the candidates of one row: the row's name with each of its fax numbers, each cleaned
// straight into its slot of the table.
class RowCandidates {
  public:
    RowCandidates(CsvCandidateTable& table, std::span<char* const> fields)
        : table_(table), fields_(fields) {}

    char (&Name())[kCandidateFieldSize] { return name_; }
    bool HasNumber() const { return hasNumber_; }

    // A number that cleans to more than fits gives nothing; `keepEmpty` keeps one that cleans
    // to nothing as a candidate without a number.
    void Add(const char* number, bool keepEmpty) {
        CsvCandidate* slot = table_.NextSlot();
        if (!slot)
            return; // never: the table has room for every candidate
        const int length = CopyCleanFaxNumber(number, slot->faxNumber, kMaxFieldLength);
        if (length > kMaxFieldLength || (length == 0 && !keepEmpty)) {
            std::memset(slot->faxNumber, 0, sizeof slot->faxNumber);
            return;
        }
        std::memcpy(slot->name, name_, sizeof name_);
        table_.Commit();
        hasNumber_ = hasNumber_ || length > 0;
    }

    void AddColumn(const FaxColumn& column) {
        if (column.index < 0 || static_cast<std::size_t>(column.index) >= fields_.size())
            return;
        char* value = fields_[static_cast<std::size_t>(column.index)];
        if (!column.IsPhoneValue()) {
            Add(value, true);
            return;
        }
        if (!HoldsFaxNumbers(column, fields_))
            return;
        char* rest = value;
        char* number = CutListedNumber(rest);
        if (!rest) {
            Add(number, true); // a value of one number reads as a plain column's
            return;
        }
        for (; number; number = rest ? CutListedNumber(rest) : nullptr)
            Add(number, false);
    }

  private:
    CsvCandidateTable& table_;
    std::span<char* const> fields_;
    char name_[kCandidateFieldSize] = {};
    bool hasNumber_ = false;
};

} // namespace

RowsOutcome ReadCsvRows(CsvLines& lines, std::size_t firstLine, char separator,
                        const CsvColumns& columns, FieldArray& fields, CsvCandidateTable& table,
                        int32_t& excludedRows) {
    bool anyNumber = false;
    for (std::size_t index = firstLine; index < lines.Count(); ++index) {
        // A record that spans lines moves `index` to its last line.
        const int fieldCount = SplitCsvRecord(lines, index, separator, fields);
        if (fieldCount < 0)
            return RowsOutcome::UnclosedQuote;
        if (fieldCount == 0)
            continue;

        const std::span<char* const> rowFields(fields.data(), static_cast<std::size_t>(fieldCount));
        RowCandidates row(table, rowFields);
        CopyRowName(columns, rowFields, row.Name());
        for (const FaxColumn& column : columns.faxColumns)
            row.AddColumn(column);
        if (row.HasNumber())
            anyNumber = true;
        else if (excludedRows < std::numeric_limits<int32_t>::max())
            ++excludedRows;
    }
    return anyNumber ? RowsOutcome::NumbersFound : RowsOutcome::NoNumberFound;
}
