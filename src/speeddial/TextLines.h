// A file's text cut into lines where it lies: each line feed ends a line, and a carriage
// return right before it is dropped. The text after the last line feed is one more line,
// which is not terminated by a line feed.
#pragma once

#include <cstddef>
#include <vector>

class TextLines {
  public:
    // Cuts `size` bytes at `text` (followed by one more zero byte). False when the line table
    // cannot be had.
    bool Cut(char* text, std::size_t size);

    // N: the number of lines that a line feed ended.
    std::size_t TerminatedCount() const { return lines_.empty() ? 0 : lines_.size() - 1; }
    // Lines 0 to N; line N is the text after the last line feed.
    char* Line(std::size_t index) const { return lines_[index]; }

  private:
    std::vector<char*> lines_;
};
