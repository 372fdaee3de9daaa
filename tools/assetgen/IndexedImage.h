#pragma once

#include <cstdint>
#include <vector>

#include <QRgb>

// An 8-bit picture: one palette index per pixel, rows top to bottom.
struct IndexedImage
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;

    IndexedImage() = default;
    IndexedImage(int w, int h, std::uint8_t fill = 0)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill)
    {
    }
    std::uint8_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint8_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

using Palette = std::vector<QRgb>;
