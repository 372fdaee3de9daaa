#pragma once

#include <string>
#include <string_view>

namespace tolkar {

// The program's texts are Windows-1251 bytes; the outside world speaks UTF-8.

// A character that Windows-1251 cannot hold, and every byte of malformed UTF-8,
// becomes "?"; the rest of the text is kept.
std::string Utf8ToCp1251(std::string_view utf8);

// Total: every byte has a character.
std::string Cp1251ToUtf8(std::string_view cp1251);

} // namespace tolkar
