#pragma once

#include <cstdint>

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>

// Small image effects our painters share: soft blur, film grain and light glows.
namespace effects {

// Three passes of a box blur: close enough to a Gaussian for soft shadows and glows.
QImage blurred(const QImage& image, int radius);

// Adds per-pixel brightness noise of +/- amount, the same every run for a seed.
void addGrain(QImage& image, int amount, std::uint32_t seed);

// A round light that brightens what lies beneath it (additive blending).
void paintGlow(QPainter& painter, QPointF centre, qreal radius, const QColor& colour);

// Darkens the image towards its edges, as old consoles do in their corners.
void paintVignette(QPainter& painter, const QRectF& area, qreal strength);

} // namespace effects
