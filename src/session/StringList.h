// An ordered list of byte strings with a fast "is this text already in it" test.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class StringList {
  public:
    // When memory runs out, throws and leaves the list as it was.
    void Append(std::string text);
    void RemoveTail();
    void Clear();
    void Reserve(std::size_t count) { entries_.reserve(count); }

    bool Contains(std::string_view text) const;
    std::size_t Size() const { return entries_.size(); }
    bool Empty() const { return entries_.empty(); }
    const std::string& At(std::size_t position) const { return entries_.at(position); }
    const std::string& Tail() const { return entries_.back(); }

    std::vector<std::string>::const_iterator begin() const { return entries_.begin(); }
    std::vector<std::string>::const_iterator end() const { return entries_.end(); }

  private:
    std::vector<std::string> entries_;
    // How often each text occurs; keeps Contains constant-time for large imports.
    std::unordered_map<std::string, std::size_t> occurrences_;
};
