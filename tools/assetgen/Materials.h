#pragma once

#include <cstdint>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

// Worn metal surfaces and the hardware bolted onto them, shared by every picture.
namespace materials {

// Recipe for a surface texture: mottled between dark and light around a base
// colour, with patches of rust, fine grain and optional brushing along x.
struct Recipe
{
    QColor dark;
    QColor base;
    QColor light;
    QColor rust;
    float scale = 24.0f;  // size of the mottling in pixels
    float stretch = 1.0f; // > 1 draws the pattern out along x (brushed metal)
    float rustAmount = 0; // 0 .. 1
    int grain = 6;        // +/- per-pixel noise
    std::uint32_t seed = 1;
};

Recipe rustyIron();
Recipe oliveMetal();
Recipe steel();
Recipe gunmetal();
Recipe blackenedIron();
Recipe stone();

QImage texture(QSize size, const Recipe& recipe);

// Fills `shape` with `surface`, laid out in the painter's current coordinates.
void fillTextured(QPainter& painter, const QPainterPath& shape, const QImage& surface);

// Light on the upper-left inner edge, shade on the lower-right: a raised edge.
void paintBevel(QPainter& painter, const QPainterPath& shape, qreal width, int lightAlpha,
                int shadeAlpha);

// A soft shadow that a raised part casts down and to the right.
void paintDropShadow(QPainter& painter, const QPainterPath& shape, QPointF offset, int alpha);

// A textured, bevelled plate with its shadow.
void paintPlate(QPainter& painter, const QPainterPath& shape, const QImage& surface,
                qreal bevel = 2.0);

// Scattered scratches and dents inside `shape`.
void paintScratches(QPainter& painter, const QPainterPath& shape, int count, std::uint32_t seed);

// Dark stains of grime and soot inside `shape`.
void paintGrime(QPainter& painter, const QPainterPath& shape, int count, std::uint32_t seed);

// Rust that has run down the metal from above, in thin fading streaks.
void paintRustStreaks(QPainter& painter, const QPainterPath& shape, int count, std::uint32_t seed);

// Paint worn off along the edges, showing bright bare metal in chips.
void paintEdgeWear(QPainter& painter, const QPainterPath& shape, std::uint32_t seed);

// Round-headed rivet.
void paintRivet(QPainter& painter, QPointF centre, qreal radius);

// Hexagonal bolt head with a washer.
void paintBolt(QPainter& painter, QPointF centre, qreal radius);

// Slotted screw head, slot turned by `angle` degrees.
void paintScrew(QPainter& painter, QPointF centre, qreal radius, qreal angle);

// Diagonal yellow and black warning stripes on a raised pad.
void paintHazardPad(QPainter& painter, const QRectF& pad);

// Rectangle from inclusive pixel corners, as the layout gives them.
inline QRectF pixelBox(int x1, int y1, int x2, int y2)
{
    return QRectF(x1, y1, x2 - x1 + 1, y2 - y1 + 1);
}

inline QPainterPath roundedBox(const QRectF& box, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

} // namespace materials
