#pragma once

#include <QString>

#include "IndexedImage.h"

// One image of a GIF file with its graphic control block.
struct GifFrame
{
    IndexedImage image; // rows top to bottom, even when written interlaced
    int left = 0;
    int top = 0;
    bool interlaced = false;
    bool hasControlBlock = true; // a still picture with no transparency needs none
    int disposal = 0;
    int delayCentiseconds = 0;
    int transparentIndex = -1; // -1: no transparent colour
};

struct GifFile
{
    int width = 0;
    int height = 0;
    Palette palette; // exactly 256 entries, written as the global table
    int backgroundIndex = 0;
    bool loopForever = false; // NETSCAPE2.0 block before the first frame
    std::vector<GifFrame> frames;
};

// Writes a GIF89a with giflib; throws std::runtime_error on failure.
void writeGif(const QString& path, const GifFile& file);
