// UTF-8 to Windows-1251 and back on any bytes: never more characters than bytes
// came in, the way back is valid UTF-8 that converts to the same bytes again.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Cp1251.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string utf8(reinterpret_cast<const char*>(data), size);
    const std::string cp1251 = tolkar::Utf8ToCp1251(utf8);
    if (cp1251.size() > utf8.size()) {
        std::abort();
    }
    const std::string back = tolkar::Cp1251ToUtf8(cp1251);
    if (tolkar::Utf8ToCp1251(back) != cp1251) {
        std::abort();
    }
    // Valid input comes back unchanged wherever it held only code-page characters.
    if (cp1251.find('?') == std::string::npos && back != utf8) {
        std::abort();
    }
    return 0;
}
