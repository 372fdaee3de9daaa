#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

// Text turned into outlines, read straight from the DejaVu font files so that
// the labels do not depend on which fonts the machine happens to have set up.
namespace text {

enum class Face
{
    SansBold,
    SansCondensedBold,
    SansBoldOblique,
    SerifBoldItalic,
    SerifItalic,
    Sans,
};

// The outline of `line` at `pixelSize`, baseline at y = 0.
QPainterPath outline(const QString& line, Face face, qreal pixelSize);

// The outline scaled and moved so that its ink fills `inkBox` exactly.
QPainterPath fitted(const QString& line, Face face, const QRectF& inkBox);

// The outline at `pixelSize`, its ink centred on `centre`.
QPainterPath centred(const QString& line, Face face, qreal pixelSize, QPointF centre);

} // namespace text
