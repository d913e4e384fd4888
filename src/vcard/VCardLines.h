// The logical lines of a vCard file, cut where they lie.
#pragma once

#include <cstddef>
#include <string_view>

// Joins every folded line (a line break followed by a space or a tab) and every quoted-printable
// soft line break ("=" at the end of a quoted-printable value) to its line, moving the text
// toward the start of the buffer; nothing is allocated. Lines end at CR LF, LF or a lone CR.
class VCardLines {
  public:
    VCardLines(char* text, std::size_t size) : read_(text), write_(text), end_(text + size) {}

    // The next logical line, without its line break; false at the end. The line stays valid
    // until the next call.
    bool Next(std::string_view& line);

  private:
    // Copies the rest of the physical line and steps over its break; false without a break.
    bool CopyPhysicalLine();
    bool NextStartsWith(std::string_view text) const;

    const char* read_;
    char* write_;
    const char* end_;
};

// Whether the line's parameters say its value is quoted-printable.
bool IsQuotedPrintableLine(std::string_view line);
