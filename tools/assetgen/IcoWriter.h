#pragma once

#include <QString>

#include "IndexedImage.h"

// One image of a Windows icon: a palettised square picture plus its AND mask.
struct IcoImage
{
    IndexedImage image;            // square, rows top to bottom
    int bitsPerPixel = 8;          // 4 (16 colours) or 8 (256 colours)
    Palette palette;               // 16 or 256 entries
    std::vector<bool> transparent; // one per pixel; true where the desktop shows through
};

// Writes a .ico file holding the images in the given order; throws on failure.
void writeIco(const QString& path, const std::vector<IcoImage>& images);
