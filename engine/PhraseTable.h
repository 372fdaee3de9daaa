#pragma once

#include <cassert>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace tolkar {

// An ordered list of Windows-1251 strings, indexed from 1.
class PhraseTable
{
  public:
    PhraseTable() = default;
    // Entries are given in UTF-8 and held in Windows-1251.
    PhraseTable(std::initializer_list<std::string_view> utf8Entries);

    int Size() const { return static_cast<int>(entries_.size()); }
    const std::string& operator[](std::int64_t index) const
    {
        assert(index >= 1 && index <= Size());
        return entries_[static_cast<std::size_t>(index - 1)];
    }
    const std::vector<std::string>& Entries() const { return entries_; }

  private:
    std::vector<std::string> entries_;
};

} // namespace tolkar
