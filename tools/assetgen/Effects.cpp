#include "Effects.h"

#include <algorithm>
#include <vector>

#include <QRadialGradient>

#include "Noise.h"

namespace effects {

namespace {

// One horizontal box pass over premultiplied ARGB; transposed on the way out
// so that calling it twice blurs both directions.
QImage boxPassTransposed(const QImage& in, int radius)
{
    const int w = in.width();
    const int h = in.height();
    QImage out(h, w, QImage::Format_ARGB32_Premultiplied);
    const int span = 2 * radius + 1;
    for (int y = 0; y < h; ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(in.constScanLine(y));
        int sum[4] = {0, 0, 0, 0};
        auto add = [&](int x, int sign) {
            const QRgb c = row[std::clamp(x, 0, w - 1)];
            sum[0] += sign * qAlpha(c);
            sum[1] += sign * qRed(c);
            sum[2] += sign * qGreen(c);
            sum[3] += sign * qBlue(c);
        };
        for (int x = -radius; x <= radius; ++x) {
            add(x, 1);
        }
        for (int x = 0; x < w; ++x) {
            QRgb* target = reinterpret_cast<QRgb*>(out.scanLine(x));
            target[y] = qRgba(sum[1] / span, sum[2] / span, sum[3] / span, sum[0] / span);
            add(x + radius + 1, 1);
            add(x - radius, -1);
        }
    }
    return out;
}

} // namespace

QImage blurred(const QImage& image, int radius)
{
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius <= 0) {
        return result;
    }
    const int passRadius = std::max(1, radius / 2);
    for (int pass = 0; pass < 3; ++pass) {
        result = boxPassTransposed(boxPassTransposed(result, passRadius), passRadius);
    }
    return result;
}

void addGrain(QImage& image, int amount, std::uint32_t seed)
{
    image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < image.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int a = qAlpha(row[x]);
            if (a == 0) {
                continue;
            }
            const int delta =
                static_cast<int>(noise::lattice(x, y, seed) * static_cast<float>(2 * amount + 1)) -
                amount;
            const int scaled = delta * a / 255;
            row[x] = qRgba(std::clamp(qRed(row[x]) + scaled, 0, a),
                           std::clamp(qGreen(row[x]) + scaled, 0, a),
                           std::clamp(qBlue(row[x]) + scaled, 0, a), a);
        }
    }
}

void paintGlow(QPainter& painter, QPointF centre, qreal radius, const QColor& colour)
{
    QRadialGradient gradient(centre, radius);
    QColor inner = colour;
    QColor middle = colour;
    middle.setAlphaF(colour.alphaF() * 0.35f);
    QColor outer = colour;
    outer.setAlpha(0);
    gradient.setColorAt(0.0, inner);
    gradient.setColorAt(0.35, middle);
    gradient.setColorAt(1.0, outer);
    painter.save();
    painter.setCompositionMode(QPainter::CompositionMode_Plus);
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

void paintVignette(QPainter& painter, const QRectF& area, qreal strength)
{
    QRadialGradient gradient(area.center(), std::max(area.width(), area.height()) * 0.75);
    gradient.setColorAt(0.0, QColor(0, 0, 0, 0));
    gradient.setColorAt(0.6, QColor(0, 0, 0, 0));
    gradient.setColorAt(1.0, QColor(0, 0, 0, static_cast<int>(255 * strength)));
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(gradient);
    painter.drawRect(area);
    painter.restore();
}

} // namespace effects
