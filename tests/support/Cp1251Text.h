#pragma once

#include <string>
#include <string_view>

#include "Cp1251.h"

// Tests write their phrases in UTF-8; the engine speaks Windows-1251.
inline std::string W(std::string_view utf8)
{
    return tolkar::Utf8ToCp1251(utf8);
}
