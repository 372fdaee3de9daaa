#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Where the committed pictures live, and reading one whole.
std::string assetPath(const std::string& name);
std::vector<std::uint8_t> readBytes(const std::string& path);
