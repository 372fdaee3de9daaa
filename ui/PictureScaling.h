#pragma once

#include <cmath>

#include <QPainter>

// How the pictures, drawn for 96 pixels per inch, meet a denser screen. At a whole
// multiple each picture pixel becomes a sharp square of device pixels; between
// multiples such squares would come out unequal, so the picture is smoothed.
inline void SetPictureScaling(QPainter& painter, qreal devicePixelRatio)
{
    const bool whole = std::abs(devicePixelRatio - std::round(devicePixelRatio)) < 1e-6;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !whole);
}
