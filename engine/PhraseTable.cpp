#include "PhraseTable.h"

#include "Cp1251.h"

namespace tolkar {

PhraseTable::PhraseTable(std::initializer_list<std::string_view> utf8Entries)
{
    entries_.reserve(utf8Entries.size());
    for (const std::string_view entry : utf8Entries) {
        entries_.push_back(Utf8ToCp1251(entry));
    }
}

} // namespace tolkar
