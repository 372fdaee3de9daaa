#include "Quantizer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <unordered_map>

#include <QPainter>

#include <libimagequant.h>

QImage flattenOnBlack(const QImage& picture)
{
    QImage flat(picture.size(), QImage::Format_RGB32);
    flat.fill(Qt::black);
    QPainter painter(&flat);
    painter.drawImage(0, 0, picture);
    return flat;
}

bool isDrawn(QRgb premultiplied)
{
    return qAlpha(premultiplied) >= kOpaqueThreshold;
}

namespace {

// libimagequant wants RGBA bytes. Only the pixels that will be drawn count, so
// they are gathered into one row and the transparent ones are left out.
QImage drawnPixelsAsRow(const QImage& picture)
{
    const QImage flat = flattenOnBlack(picture);
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    std::vector<QRgb> drawn;
    for (int y = 0; y < source.height(); ++y) {
        const QRgb* alpha = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        const QRgb* colour = reinterpret_cast<const QRgb*>(flat.constScanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            if (qAlpha(alpha[x]) >= kOpaqueThreshold) {
                drawn.push_back(colour[x]);
            }
        }
    }
    QImage row(static_cast<int>(std::max<std::size_t>(drawn.size(), 1)), 1,
               QImage::Format_RGBA8888);
    row.fill(Qt::black);
    uchar* bytes = row.scanLine(0);
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        bytes[i * 4 + 0] = static_cast<uchar>(qRed(drawn[i]));
        bytes[i * 4 + 1] = static_cast<uchar>(qGreen(drawn[i]));
        bytes[i * 4 + 2] = static_cast<uchar>(qBlue(drawn[i]));
        bytes[i * 4 + 3] = 255;
    }
    return row;
}

// Nearest palette entry by weighted RGB distance, remembered per colour.
class NearestColour
{
  public:
    NearestColour(const Palette& palette, const std::vector<int>& usable)
        : m_palette(palette), m_usable(usable)
    {
    }

    int operator()(int r, int g, int b)
    {
        const std::uint32_t key = (static_cast<std::uint32_t>(r) << 16) |
                                  (static_cast<std::uint32_t>(g) << 8) |
                                  static_cast<std::uint32_t>(b);
        if (const auto it = m_cache.find(key); it != m_cache.end()) {
            return it->second;
        }
        int best = m_usable.front();
        long bestDistance = -1;
        for (const int index : m_usable) {
            const QRgb c = m_palette[static_cast<std::size_t>(index)];
            const long dr = qRed(c) - r;
            const long dg = qGreen(c) - g;
            const long db = qBlue(c) - b;
            const long distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (bestDistance < 0 || distance < bestDistance) {
                bestDistance = distance;
                best = index;
            }
        }
        m_cache.emplace(key, best);
        return best;
    }

  private:
    const Palette& m_palette;
    const std::vector<int>& m_usable;
    std::unordered_map<std::uint32_t, int> m_cache;
};

} // namespace

Quantizer::Quantizer(int maxColors) : m_attr(liq_attr_create())
{
    liq_set_max_colors(m_attr, maxColors);
    liq_set_speed(m_attr, 1);
    liq_set_quality(m_attr, 0, 100);
    m_histogram = liq_histogram_create(m_attr);
}

Quantizer::~Quantizer()
{
    liq_histogram_destroy(m_histogram);
    liq_attr_destroy(m_attr);
}

void Quantizer::add(const QImage& picture)
{
    const QImage rgba = drawnPixelsAsRow(picture);
    liq_image* image =
        liq_image_create_rgba(m_attr, rgba.constBits(), rgba.width(), rgba.height(), 0.0);
    if (!image) {
        throw std::runtime_error("libimagequant refused the picture");
    }
    const liq_error error = liq_histogram_add_image(m_histogram, m_attr, image);
    liq_image_destroy(image);
    if (error != LIQ_OK) {
        throw std::runtime_error("libimagequant could not take the picture's colours");
    }
}

Palette Quantizer::quantize()
{
    liq_result* result = nullptr;
    if (liq_histogram_quantize(m_histogram, m_attr, &result) != LIQ_OK) {
        throw std::runtime_error("libimagequant could not build a palette");
    }
    const liq_palette* pal = liq_get_palette(result);
    Palette colours;
    for (unsigned i = 0; i < pal->count; ++i) {
        const liq_color c = pal->entries[i];
        colours.push_back(qRgb(c.r, c.g, c.b));
    }
    liq_result_destroy(result);
    return colours;
}

std::vector<int> allIndices(const Palette& palette)
{
    std::vector<int> indices(palette.size());
    for (std::size_t i = 0; i < palette.size(); ++i) {
        indices[i] = static_cast<int>(i);
    }
    return indices;
}

IndexedImage remapToPalette(const QImage& picture, const Palette& palette,
                            const std::vector<int>& usable, float ditherLevel)
{
    const QImage rgb = flattenOnBlack(picture);
    const int w = rgb.width();
    const int h = rgb.height();
    IndexedImage out(w, h);
    NearestColour nearest(palette, usable);

    // Error rows hold three channels per pixel plus one pixel of margin each side.
    std::vector<float> current(static_cast<std::size_t>(w + 2) * 3, 0.0f);
    std::vector<float> below(current.size(), 0.0f);

    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        const bool leftToRight = (y % 2) == 0;
        std::fill(below.begin(), below.end(), 0.0f);
        for (int i = 0; i < w; ++i) {
            const int x = leftToRight ? i : w - 1 - i;
            const int dir = leftToRight ? 1 : -1;
            const std::size_t slot = static_cast<std::size_t>(x + 1) * 3;
            const std::array<float, 3> wanted = {
                static_cast<float>(qRed(row[x])) + current[slot],
                static_cast<float>(qGreen(row[x])) + current[slot + 1],
                static_cast<float>(qBlue(row[x])) + current[slot + 2]};
            std::array<int, 3> clamped{};
            for (std::size_t c = 0; c < 3; ++c) {
                clamped[c] = std::clamp(static_cast<int>(std::lround(wanted[c])), 0, 255);
            }
            const int index = nearest(clamped[0], clamped[1], clamped[2]);
            out.at(x, y) = static_cast<std::uint8_t>(index);
            const QRgb got = palette[static_cast<std::size_t>(index)];
            const std::array<float, 3> error = {
                static_cast<float>(clamped[0] - qRed(got)) * ditherLevel,
                static_cast<float>(clamped[1] - qGreen(got)) * ditherLevel,
                static_cast<float>(clamped[2] - qBlue(got)) * ditherLevel};
            const std::size_t ahead = static_cast<std::size_t>(x + 1 + dir) * 3;
            const std::size_t behind = static_cast<std::size_t>(x + 1 - dir) * 3;
            for (std::size_t c = 0; c < 3; ++c) {
                current[ahead + c] += error[c] * 7.0f / 16.0f;
                below[behind + c] += error[c] * 3.0f / 16.0f;
                below[slot + c] += error[c] * 5.0f / 16.0f;
                below[ahead + c] += error[c] * 1.0f / 16.0f;
            }
        }
        std::swap(current, below);
    }
    return out;
}
