#pragma once

#include <QImage>

#include "IndexedImage.h"

struct liq_attr;
struct liq_histogram;

// Builds one palette for one or more opaque pictures with libimagequant.
// Settings are fixed so that the same pictures always give the same palette.
class Quantizer
{
  public:
    explicit Quantizer(int maxColors);
    ~Quantizer();
    Quantizer(const Quantizer&) = delete;
    Quantizer& operator=(const Quantizer&) = delete;

    // Adds the colours of the picture's drawn pixels (see isDrawn) to the histogram.
    void add(const QImage& picture);
    Palette quantize();

  private:
    liq_attr* m_attr = nullptr;
    liq_histogram* m_histogram = nullptr;
};

// Maps a picture onto `palette` with serpentine Floyd-Steinberg dithering,
// choosing only among the entries listed in `usable`. Our own mapping rather
// than libimagequant's, because libimagequant refines its palette per remapped
// picture and our animations need every frame to use one fixed palette.
IndexedImage remapToPalette(const QImage& picture, const Palette& palette,
                            const std::vector<int>& usable, float ditherLevel);

// Pixels at least half opaque are drawn; the rest become the transparent colour.
constexpr int kOpaqueThreshold = 128;
bool isDrawn(QRgb premultiplied);

// The picture as it shows over black: what a GIF pixel must hold at the edges.
QImage flattenOnBlack(const QImage& picture);

// All indices of a palette: 0 .. size - 1.
std::vector<int> allIndices(const Palette& palette);
