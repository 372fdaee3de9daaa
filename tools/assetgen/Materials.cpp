#include "Materials.h"

#include <algorithm>
#include <cmath>

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

#include "Noise.h"

namespace materials {

namespace {

QColor mix(const QColor& a, const QColor& b, float t)
{
    t = std::clamp(t, 0.0f, 1.0f);
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

float smooth(float edge0, float edge1, float x)
{
    const float t = std::clamp((x - edge0) / (edge1 - edge0), 0.0f, 1.0f);
    return t * t * (3.0f - 2.0f * t);
}

} // namespace

Recipe rustyIron()
{
    return {QColor(52, 34, 24),
            QColor(98, 62, 38),
            QColor(140, 96, 62),
            QColor(150, 72, 30),
            22.0f,
            1.0f,
            0.55f,
            7,
            11};
}

Recipe oliveMetal()
{
    return {QColor(48, 50, 30),
            QColor(84, 86, 50),
            QColor(116, 116, 72),
            QColor(118, 70, 36),
            26.0f,
            1.0f,
            0.35f,
            6,
            23};
}

Recipe steel()
{
    return {QColor(70, 72, 74),
            QColor(118, 120, 122),
            QColor(170, 170, 166),
            QColor(120, 78, 48),
            18.0f,
            6.0f,
            0.15f,
            5,
            37};
}

Recipe gunmetal()
{
    return {QColor(30, 32, 34),
            QColor(56, 58, 60),
            QColor(88, 90, 90),
            QColor(92, 58, 36),
            20.0f,
            2.0f,
            0.25f,
            5,
            41};
}

Recipe blackenedIron()
{
    return {QColor(18, 16, 14),
            QColor(38, 34, 30),
            QColor(66, 58, 50),
            QColor(84, 48, 26),
            16.0f,
            1.0f,
            0.3f,
            5,
            53};
}

Recipe stone()
{
    return {QColor(58, 44, 32),
            QColor(104, 84, 62),
            QColor(146, 124, 96),
            QColor(80, 60, 44),
            14.0f,
            1.0f,
            0.4f,
            12,
            67};
}

QImage texture(QSize size, const Recipe& recipe)
{
    QImage image(size, QImage::Format_RGB32);
    const std::uint32_t seed = recipe.seed;
    for (int y = 0; y < size.height(); ++y) {
        QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const auto px = static_cast<float>(x);
            const auto py = static_cast<float>(y);
            const float fx = px / (recipe.scale * recipe.stretch);
            const float fy = static_cast<float>(y) / recipe.scale;
            // Broad mottling between the dark and light tones.
            const float mottle = noise::fractal(fx, fy, 5, seed);
            QColor c = mottle < 0.5f ? mix(recipe.dark, recipe.base, mottle * 2.0f)
                                     : mix(recipe.base, recipe.light, (mottle - 0.5f) * 2.0f);
            // Rust gathers in blotches with ragged edges.
            const float blotch = noise::fractal(px / 40.0f, py / 40.0f, 4, seed + 101u);
            const float ragged = noise::fractal(px / 5.0f, py / 5.0f, 2, seed + 202u);
            const float rust =
                smooth(0.62f - 0.25f * recipe.rustAmount, 0.72f - 0.25f * recipe.rustAmount,
                       blotch + 0.12f * (ragged - 0.5f)) *
                recipe.rustAmount;
            const float rustTone = noise::fractal(px / 6.0f, py / 6.0f, 3, seed + 303u);
            c = mix(c, mix(recipe.rust.darker(150), recipe.rust.lighter(120), rustTone), rust);
            // Pits: a few dark specks.
            if (noise::lattice(x, y, seed + 404u) > 0.993f) {
                c = c.darker(160);
            }
            const int grain = static_cast<int>(noise::lattice(x, y, seed + 505u) *
                                               static_cast<float>(2 * recipe.grain + 1)) -
                              recipe.grain;
            row[x] =
                qRgb(std::clamp(c.red() + grain, 0, 255), std::clamp(c.green() + grain, 0, 255),
                     std::clamp(c.blue() + grain, 0, 255));
        }
    }
    return image;
}

void fillTextured(QPainter& painter, const QPainterPath& shape, const QImage& surface)
{
    painter.save();
    // The texture follows the painter's coordinates, so a part drawn with an
    // offset carries its own wear along with it.
    QBrush brush(surface);
    painter.setPen(Qt::NoPen);
    painter.setBrush(brush);
    painter.drawPath(shape);
    painter.restore();
}

void paintBevel(QPainter& painter, const QPainterPath& shape, qreal width, int lightAlpha,
                int shadeAlpha)
{
    // Layers of the rim the shape leaves when shifted: the outermost pixel gets
    // every layer, so the light fades towards the inside.
    const int layers = std::max(1, static_cast<int>(std::ceil(width)));
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 1; i <= layers; ++i) {
        painter.setBrush(QColor(255, 238, 205, lightAlpha / layers));
        painter.drawPath(shape.subtracted(shape.translated(i, i)));
        painter.setBrush(QColor(0, 0, 0, shadeAlpha / layers));
        painter.drawPath(shape.subtracted(shape.translated(-i, -i)));
    }
    painter.restore();
}

void paintDropShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, int alpha)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    for (int i = 3; i >= 1; --i) {
        painter.setBrush(QColor(0, 0, 0, alpha / (i + 1)));
        painter.drawPath(shape.translated(offset * (1.0 + 0.4 * i)));
    }
    painter.setBrush(QColor(0, 0, 0, alpha));
    painter.drawPath(shape.translated(offset));
    painter.restore();
}

void paintPlate(QPainter& painter, const QPainterPath& shape, const QImage& surface, qreal bevel)
{
    paintDropShadow(painter, shape, QPointF(1.5, 2.0), 150);
    fillTextured(painter, shape, surface);
    paintBevel(painter, shape, bevel, 90, 140);
}

void paintScratches(QPainter& painter, const QPainterPath& shape, int count, std::uint32_t seed)
{
    noise::Random random(seed);
    const QRectF area = shape.boundingRect();
    painter.save();
    painter.setClipPath(shape, Qt::IntersectClip);
    for (int i = 0; i < count; ++i) {
        const QPointF start(random.range(area.left(), area.right()),
                            random.range(area.top(), area.bottom()));
        const qreal angle = random.range(-0.6f, 0.6f) + (random.uniform() < 0.5f ? 0.0 : 1.57);
        const qreal length = random.range(4.0f, 26.0f);
        const QPointF end = start + QPointF(std::cos(angle), std::sin(angle)) * length;
        // A bright groove with a dark lip below it.
        painter.setPen(QPen(QColor(0, 0, 0, 70), 1.0));
        painter.drawLine(start + QPointF(0.5, 0.7), end + QPointF(0.5, 0.7));
        painter.setPen(QPen(QColor(235, 225, 200, static_cast<int>(random.range(35, 90))), 0.8));
        painter.drawLine(start, end);
    }
    painter.restore();
}

void paintGrime(QPainter& painter, const QPainterPath& shape, int count, std::uint32_t seed)
{
    noise::Random random(seed);
    const QRectF area = shape.boundingRect();
    painter.save();
    painter.setClipPath(shape, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF centre(random.range(area.left(), area.right()),
                             random.range(area.top(), area.bottom()));
        const qreal rx = random.range(6.0f, 30.0f);
        const qreal ry = rx * random.range(0.3f, 1.0f);
        QRadialGradient stain(centre, rx);
        stain.setColorAt(0.0, QColor(10, 6, 2, static_cast<int>(random.range(40, 110))));
        stain.setColorAt(1.0, QColor(10, 6, 2, 0));
        painter.setBrush(stain);
        painter.drawEllipse(centre, rx, ry);
    }
    painter.restore();
}

void paintRustStreaks(QPainter& painter, const QPainterPath& shape, int count, std::uint32_t seed)
{
    noise::Random random(seed);
    const QRectF area = shape.boundingRect();
    painter.save();
    painter.setClipPath(shape, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const qreal x = random.range(area.left(), area.right());
        const qreal y = random.range(area.top(), area.bottom() - 10);
        const qreal length = random.range(10.0f, 40.0f);
        QLinearGradient streak(QPointF(x, y), QPointF(x, y + length));
        streak.setColorAt(0.0, QColor(130, 58, 20, static_cast<int>(random.range(70, 150))));
        streak.setColorAt(1.0, QColor(130, 58, 20, 0));
        painter.setBrush(streak);
        painter.drawRect(QRectF(x, y, random.range(1.0f, 3.0f), length));
    }
    painter.restore();
}

void paintEdgeWear(QPainter& painter, const QPainterPath& shape, std::uint32_t seed)
{
    noise::Random random(seed);
    painter.save();
    painter.setClipPath(shape, Qt::IntersectClip);
    painter.setPen(Qt::NoPen);
    const qreal length = shape.length();
    for (qreal along = 0; along < length; along += random.range(3.0f, 9.0f)) {
        if (random.uniform() < 0.45f) {
            continue;
        }
        const QPointF at = shape.pointAtPercent(shape.percentAtLength(along));
        const qreal rx = random.range(0.8f, 2.6f);
        painter.setBrush(QColor(186, 176, 150, static_cast<int>(random.range(60, 150))));
        painter.drawEllipse(at, rx, rx * random.range(0.5f, 1.0f));
    }
    painter.restore();
}

void paintRivet(QPainter& painter, QPointF centre, qreal radius)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 120));
    painter.drawEllipse(centre + QPointF(0.8, 1.0), radius + 0.6, radius + 0.6);
    QRadialGradient dome(centre - QPointF(radius * 0.4, radius * 0.45), radius * 1.6);
    dome.setColorAt(0.0, QColor(222, 206, 176));
    dome.setColorAt(0.3, QColor(132, 112, 88));
    dome.setColorAt(0.8, QColor(56, 42, 30));
    dome.setColorAt(1.0, QColor(30, 22, 16));
    painter.setBrush(dome);
    painter.setPen(QPen(QColor(24, 18, 12, 200), 0.6));
    painter.drawEllipse(centre, radius, radius);
    painter.restore();
}

void paintBolt(QPainter& painter, QPointF centre, qreal radius)
{
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 140));
    painter.drawEllipse(centre + QPointF(1.2, 1.5), radius * 1.2, radius * 1.2);
    // Washer.
    QRadialGradient washer(centre - QPointF(radius * 0.5, radius * 0.5), radius * 2.2);
    washer.setColorAt(0.0, QColor(170, 164, 150));
    washer.setColorAt(1.0, QColor(44, 40, 36));
    painter.setBrush(washer);
    painter.setPen(QPen(QColor(20, 18, 16), 0.7));
    painter.drawEllipse(centre, radius * 1.15, radius * 1.15);
    // Hexagonal head, each face lit by where it points.
    QPolygonF hex;
    for (int i = 0; i < 6; ++i) {
        const qreal a = (60.0 * i + 15.0) * M_PI / 180.0;
        hex << centre + QPointF(std::cos(a), std::sin(a)) * radius * 0.9;
    }
    for (int i = 0; i < 6; ++i) {
        const QPointF a = hex[i];
        const QPointF b = hex[(i + 1) % 6];
        const QPointF mid = (a + b) / 2.0 - centre;
        const qreal facing = (-mid.x() - mid.y()) / (radius * 1.2); // light from upper left
        const int tone = std::clamp(static_cast<int>(110 + 70 * facing), 40, 200);
        QPolygonF face;
        face << centre << a << b;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(tone, tone - 6, tone - 16));
        painter.drawPolygon(face);
    }
    QRadialGradient top(centre - QPointF(radius * 0.2, radius * 0.25), radius * 0.7);
    top.setColorAt(0.0, QColor(150, 144, 130));
    top.setColorAt(1.0, QColor(80, 74, 64));
    painter.setBrush(top);
    painter.drawEllipse(centre, radius * 0.55, radius * 0.55);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(16, 14, 12), 0.8));
    painter.drawPolygon(hex);
    painter.restore();
}

void paintScrew(QPainter& painter, QPointF centre, qreal radius, qreal angle)
{
    paintRivet(painter, centre, radius);
    painter.save();
    painter.translate(centre);
    painter.rotate(angle);
    painter.setPen(QPen(QColor(20, 14, 10), std::max(1.0, radius * 0.35)));
    painter.drawLine(QPointF(-radius * 0.8, 0), QPointF(radius * 0.8, 0));
    painter.setPen(QPen(QColor(210, 196, 170, 110), 0.6));
    painter.drawLine(QPointF(-radius * 0.7, radius * 0.3), QPointF(radius * 0.7, radius * 0.3));
    painter.restore();
}

void paintHazardPad(QPainter& painter, const QRectF& pad)
{
    const QPainterPath shape = roundedBox(pad, 2.0);
    paintDropShadow(painter, shape, QPointF(1.5, 1.5), 170);
    painter.save();
    painter.setClipPath(shape, Qt::IntersectClip);
    painter.fillRect(pad, QColor(232, 188, 38));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(22, 18, 12));
    const qreal stripe = 6.0;
    for (qreal x = pad.left() - pad.height(); x < pad.right() + stripe; x += 2 * stripe) {
        QPolygonF band;
        band << QPointF(x, pad.bottom()) << QPointF(x + stripe, pad.bottom())
             << QPointF(x + stripe + pad.height(), pad.top())
             << QPointF(x + pad.height(), pad.top());
        painter.drawPolygon(band);
    }
    // Worn paint: dirt towards the bottom, chips along the edges.
    QLinearGradient dirt(pad.topLeft(), pad.bottomLeft());
    dirt.setColorAt(0.0, QColor(255, 240, 200, 40));
    dirt.setColorAt(0.5, QColor(0, 0, 0, 0));
    dirt.setColorAt(1.0, QColor(40, 20, 0, 70));
    painter.fillRect(pad, dirt);
    noise::Random random(static_cast<std::uint32_t>(pad.left() * 31 + pad.top()));
    for (int i = 0; i < 14; ++i) {
        const QPointF chip(random.range(pad.left(), pad.right()),
                           random.uniform() < 0.5 ? pad.top() + random.range(0, 3)
                                                  : pad.bottom() - random.range(0, 3));
        painter.setBrush(QColor(70, 50, 34, 200));
        painter.drawEllipse(chip, random.range(0.6f, 1.6f), random.range(0.5f, 1.2f));
    }
    painter.restore();
    paintBevel(painter, shape, 2.0, 110, 160);
}

} // namespace materials
