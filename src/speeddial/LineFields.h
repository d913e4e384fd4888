// One line of an EWS-CSV file split into fields where it lies. A field beyond the last one
// the splitter produced is absent, which is not the same as empty.
#pragma once

#include "text/FieldHelpers.h"

class LineFields {
  public:
    LineFields() : fields_{} {} // all null, set in one block
    LineFields(const LineFields&) = delete;
    LineFields& operator=(const LineFields&) = delete;

    // Splits `line` in place and returns the splitter's result: the number of fields, 0 for an
    // empty line, or -6 for a quoted field that is never closed. Such a line keeps the fields
    // the splitter cut, the unclosed one included (it runs to the end of the line).
    int Split(char* line);

    int Count() const { return count_; }
    bool Present(int index) const { return index >= 0 && index < count_; }
    // The field's text, or null when it is absent.
    char* Field(int index) const;
    // Whether the field is present and holds exactly `text`.
    bool Equals(int index, const char* text) const;

  private:
    void Clear();

    FieldArray fields_; // null beyond the current line's fields
    int count_ = 0;
};
