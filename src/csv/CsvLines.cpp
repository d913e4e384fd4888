#include "csv/CsvLines.h"

#include "text/ByteSearch.h"

void CsvLines::Cut(char* content, std::size_t size) {
    std::size_t ends = CountByte(content, size, '\n');
    lineEnd_ = ends > 0 ? '\n' : '\r';
    if (ends == 0)
        ends = CountByte(content, size, '\r');
    count_ = ends + 1;
    lineEnds_ = ByteScanner(lineEnd_);
    end_ = content + size;
    next_ = content;
    index_ = 0;
    CutNext();
}

void CsvLines::CutNext() {
    line_ = next_;
    if (index_ + 1 >= count_) {
        next_ = end_; // the last line ends at the content's terminator
        terminator_ = end_;
        return;
    }
    // Every line before the last has its line end: the count says so.
    char* found = lineEnds_.Find(line_);
    const bool crBefore = lineEnd_ == '\n' && found > line_ && found[-1] == '\r';
    terminator_ = crBefore ? found - 1 : found;
    *terminator_ = '\0';
    next_ = found + 1;
}

char* CsvLines::Line(std::size_t index) {
    while (index_ < index) {
        ++index_;
        CutNext();
    }
    return line_;
}

std::size_t CsvLines::HeaderIndex() {
    std::size_t index = index_;
    while (index + 1 < count_ && *Line(index) == '\0')
        ++index;
    return index;
}
