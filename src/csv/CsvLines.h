// The line table of a CSV file's contents: each line cut where it lies in the buffer.
#pragma once

#include <cstddef>
#include <memory>

class CsvLines {
  public:
    // Cuts `content` (`size` bytes followed by a zero byte) into lines: a line feed, or a carriage
    // return directly before it, becomes the line's terminator, and a lone carriage return stays
    // in its line. Contents without a line feed have their lines ended by each carriage return.
    // False when the table's memory cannot be had.
    bool Cut(char* content, std::size_t size);

    // One more than the number of line ends; the last line is the text after the last one.
    std::size_t Count() const { return count_; }
    char* Line(std::size_t index) const { return lines_[index]; }

    // The first line that is not empty; the last line when every earlier one is.
    std::size_t HeaderIndex() const;

  private:
    std::unique_ptr<char*[]> lines_;
    std::size_t count_ = 0;
};
