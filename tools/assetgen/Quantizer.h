#pragma once

#include "IndexedImage.h"

#include <QImage>

struct liq_attr;
struct liq_histogram;
struct liq_result;

// Reduces one or more opaque pictures to a shared palette with libimagequant.
// Settings are fixed so that the same pictures always give the same bytes.
class Quantizer
{
  public:
    Quantizer(int maxColors, float ditherLevel);
    ~Quantizer();
    Quantizer(const Quantizer&) = delete;
    Quantizer& operator=(const Quantizer&) = delete;

    // Adds a picture's colours to the histogram; alpha is ignored.
    void add(const QImage& picture);
    // Builds the palette; call once, after every add().
    void quantize();
    Palette palette() const;
    // Maps a picture onto the palette (indices 0 .. palette().size() - 1).
    IndexedImage remap(const QImage& picture) const;

  private:
    float m_ditherLevel;
    liq_attr* m_attr = nullptr;
    liq_histogram* m_histogram = nullptr;
    liq_result* m_result = nullptr;
};
