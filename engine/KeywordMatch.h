#pragma once

#include <string_view>

namespace tolkar {

// Every test of a phrase is this one: a byte-exact, case-sensitive substring,
// so word stems match inside longer words. An empty keyword never matches.
inline bool ContainsKeyword(std::string_view phrase, std::string_view keyword)
{
    return !keyword.empty() && phrase.find(keyword) != std::string_view::npos;
}

} // namespace tolkar
