// UTF-8 to Windows-1251 and back on any bytes: never more characters than bytes
// came in, the way back is valid UTF-8 that converts to the same bytes again.
#include <cstdint>
#include <string>

#include "Cp1251.h"
#include "FuzzCheck.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string utf8(reinterpret_cast<const char*>(data), size);
    const std::string cp1251 = tolkar::Utf8ToCp1251(utf8);
    Check(cp1251.size() <= utf8.size());
    const std::string back = tolkar::Cp1251ToUtf8(cp1251);
    Check(tolkar::Utf8ToCp1251(back) == cp1251);
    // Valid input comes back unchanged wherever it held only code-page characters.
    Check(cp1251.find('?') != std::string::npos || back == utf8);
    return 0;
}
