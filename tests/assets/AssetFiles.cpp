#include "AssetFiles.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

std::string assetPath(const std::string& name)
{
    return std::string(ASSETS_DIR) + "/" + name;
}

std::vector<std::uint8_t> readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot open " + path);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}
