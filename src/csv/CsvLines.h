// The lines of a CSV file's contents, each cut where it lies in the buffer as it is first asked
// for: one pass over the text, and no table of lines.
#pragma once

#include "text/ByteSearch.h"

#include <cstddef>

class CsvLines {
  public:
    // Takes `content` (`size` bytes followed by a zero byte), whose lines are then cut in order:
    // a line feed, or a carriage return directly before it, becomes the line's terminator, and a
    // lone carriage return stays in its line. Contents without a line feed have their lines ended
    // by each carriage return.
    void Cut(char* content, std::size_t size);

    // One more than the number of line ends; the last line is the text after the last one.
    std::size_t Count() const { return count_; }

    // Line `index`, cut when it is first asked for. Lines are asked for in order: `index` is
    // never below that of the line asked for last.
    char* Line(std::size_t index);

    // The length of the line asked for last, up to its terminator, as it was cut.
    std::size_t LineLength() const { return static_cast<std::size_t>(terminator_ - line_); }

    // The first line that is not empty; the last line when every earlier one is.
    std::size_t HeaderIndex();

  private:
    // Makes the line at `next_` the current one and cuts it.
    void CutNext();

    char* next_ = nullptr;       // where the line after the current one starts
    char* end_ = nullptr;        // the content's terminator
    char* line_ = nullptr;       // the current line
    char* terminator_ = nullptr; // the current line's
    std::size_t index_ = 0;
    std::size_t count_ = 0;
    char lineEnd_ = '\n';
    ByteScanner lineEnds_{'\n'}; // finds each line's end byte in turn
};
