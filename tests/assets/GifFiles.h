#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <gif_lib.h>

#include "AssetFiles.h"

// Test helpers that read the committed GIFs: whole files through giflib's
// DGifSlurp, plus a walk over the raw blocks for what giflib does not report
// (the signature, the order of blocks, the LZW minimum code size).

// A GIF read with DGifSlurp; closed when it goes out of scope.
class SlurpedGif
{
  public:
    explicit SlurpedGif(const std::string& path);
    ~SlurpedGif();
    SlurpedGif(const SlurpedGif&) = delete;
    SlurpedGif& operator=(const SlurpedGif&) = delete;

    bool ok() const { return m_gif != nullptr && m_slurped; }
    const GifFileType& file() const { return *m_gif; }
    const SavedImage& image(int n) const { return m_gif->SavedImages[n]; }
    // The colour index at (x, y) of image n, relative to that image's own corner.
    int pixel(int n, int x, int y) const;
    GifColorType colour(int index) const { return m_gif->SColorMap->Colors[index]; }
    // The graphic control block that precedes image n; false if there is none.
    bool controlBlock(int n, GraphicsControlBlock& out) const;

  private:
    GifFileType* m_gif = nullptr;
    bool m_slurped = false;
};

// One block of a GIF's data stream, in file order.
struct RawBlock
{
    enum class Kind
    {
        Extension,
        Image
    };
    Kind kind;
    int label = 0;              // extension label (0xF9, 0xFF, ...)
    std::string application;    // identifier + code of an application extension
    int lzwMinimumCodeSize = 0; // images only
    bool localColourTable = false;
};

struct RawGif
{
    std::string signature; // "GIF89a"
    int colourResolutionBits = 0;
    bool globalTableSorted = false;
    int globalTableSize = 0;
    std::vector<RawBlock> blocks;
    bool endsWithTrailer = false;
};

RawGif walkGif(const std::vector<std::uint8_t>& bytes);

bool sameColour(const GifColorType& a, int r, int g, int b);

// A GIF89a of the given screen size holding one interlaced image that covers the
// whole screen and uses the global colour table (expectations, for the stills).
void expectOneInterlacedImage(const SlurpedGif& gif, const RawGif& raw, int width, int height);
