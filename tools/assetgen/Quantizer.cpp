#include "Quantizer.h"

#include <libimagequant.h>
#include <stdexcept>

namespace {

// libimagequant wants RGBA bytes; QImage's RGBA8888 format is exactly that.
QImage opaqueRgba(const QImage& picture)
{
    QImage rgba = picture.convertToFormat(QImage::Format_RGBA8888);
    for (int y = 0; y < rgba.height(); ++y) {
        uchar* row = rgba.scanLine(y);
        for (int x = 0; x < rgba.width(); ++x) {
            row[x * 4 + 3] = 255;
        }
    }
    return rgba;
}

struct LiqImage
{
    QImage pixels;
    liq_image* image = nullptr;

    LiqImage(liq_attr* attr, const QImage& picture) : pixels(opaqueRgba(picture))
    {
        image = liq_image_create_rgba(attr, pixels.constBits(), pixels.width(), pixels.height(),
                                      0.0);
        if (!image) {
            throw std::runtime_error("libimagequant refused the picture");
        }
    }
    ~LiqImage() { liq_image_destroy(image); }
};

} // namespace

Quantizer::Quantizer(int maxColors, float ditherLevel)
    : m_ditherLevel(ditherLevel), m_attr(liq_attr_create())
{
    liq_set_max_colors(m_attr, maxColors);
    liq_set_speed(m_attr, 1);
    liq_set_quality(m_attr, 0, 100);
    m_histogram = liq_histogram_create(m_attr);
}

Quantizer::~Quantizer()
{
    if (m_result) {
        liq_result_destroy(m_result);
    }
    liq_histogram_destroy(m_histogram);
    liq_attr_destroy(m_attr);
}

void Quantizer::add(const QImage& picture)
{
    LiqImage image(m_attr, picture);
    if (liq_histogram_add_image(m_histogram, m_attr, image.image) != LIQ_OK) {
        throw std::runtime_error("libimagequant could not take the picture's colours");
    }
}

void Quantizer::quantize()
{
    if (liq_histogram_quantize(m_histogram, m_attr, &m_result) != LIQ_OK) {
        throw std::runtime_error("libimagequant could not build a palette");
    }
    liq_set_dithering_level(m_result, m_ditherLevel);
}

Palette Quantizer::palette() const
{
    const liq_palette* pal = liq_get_palette(m_result);
    Palette colours;
    for (unsigned i = 0; i < pal->count; ++i) {
        const liq_color c = pal->entries[i];
        colours.push_back(qRgb(c.r, c.g, c.b));
    }
    return colours;
}

IndexedImage Quantizer::remap(const QImage& picture) const
{
    LiqImage image(m_attr, picture);
    IndexedImage out(picture.width(), picture.height());
    if (liq_write_remapped_image(m_result, image.image, out.pixels.data(), out.pixels.size()) !=
        LIQ_OK) {
        throw std::runtime_error("libimagequant could not remap the picture");
    }
    return out;
}
