#include "TextPath.h"

#include <stdexcept>

#include <QRawFont>
#include <QTransform>

namespace text {

namespace {

QString fileOf(Face face)
{
    const QString dir = QStringLiteral(DEJAVU_DIR);
    switch (face) {
    case Face::SansBold:
        return dir + "/DejaVuSans-Bold.ttf";
    case Face::SansCondensedBold:
        return dir + "/DejaVuSansCondensed-Bold.ttf";
    case Face::SansBoldOblique:
        return dir + "/DejaVuSans-BoldOblique.ttf";
    case Face::SerifBoldItalic:
        return dir + "/DejaVuSerif-BoldItalic.ttf";
    case Face::SerifItalic:
        return dir + "/DejaVuSerif-Italic.ttf";
    case Face::Sans:
        return dir + "/DejaVuSans.ttf";
    }
    return {};
}

} // namespace

QPainterPath outline(const QString& line, Face face, qreal pixelSize)
{
    // Outlines come from the font at a large size and are scaled down, so that
    // hinting never bends the shapes.
    constexpr qreal designSize = 200.0;
    const QRawFont font(fileOf(face), designSize, QFont::PreferNoHinting);
    if (!font.isValid()) {
        throw std::runtime_error("cannot load font " + fileOf(face).toStdString());
    }
    const QList<quint32> glyphs = font.glyphIndexesForString(line);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
    QPainterPath path;
    QPointF pen(0, 0);
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
        path.addPath(font.pathForGlyph(glyphs[i]).translated(pen));
        pen += advances[i];
    }
    const qreal scale = pixelSize / designSize;
    return QTransform::fromScale(scale, scale).map(path);
}

QPainterPath fitted(const QString& line, Face face, const QRectF& inkBox)
{
    const QPainterPath path = outline(line, face, 100.0);
    const QRectF ink = path.boundingRect();
    QTransform t;
    t.translate(inkBox.left(), inkBox.top());
    t.scale(inkBox.width() / ink.width(), inkBox.height() / ink.height());
    t.translate(-ink.left(), -ink.top());
    return t.map(path);
}

QPainterPath centred(const QString& line, Face face, qreal pixelSize, QPointF centre)
{
    const QPainterPath path = outline(line, face, pixelSize);
    return path.translated(centre - path.boundingRect().center());
}

} // namespace text
