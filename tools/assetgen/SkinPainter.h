#pragma once

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>

// Draws the main window's skin: a worn console of riveted plates with the
// glowing tubes, the loudspeaker, the painted button faces, the black
// conversation screen and the hole through which the head screen shows.
class SkinPainter
{
  public:
    static constexpr int width = 639;
    static constexpr int height = 479;

    SkinPainter();
    // The finished skin; the hole is fully transparent, everything else opaque.
    QImage paint() const;

  private:
    void paintConsoleBackdrop(QPainter& p) const;
    void paintTubeBay(QPainter& p) const;
    void paintTopShelf(QPainter& p) const;
    void paintPerforatedChassis(QPainter& p) const;
    void paintVacuumTube(QPainter& p, const QRectF& glass) const;
    void paintCornerStrut(QPainter& p) const;
    void paintPaperStrip(QPainter& p) const;
    void paintHeadScreenFrame(QPainter& p) const;
    void paintInputBoard(QPainter& p) const;
    void paintRightBay(QPainter& p) const;
    void paintWireBundles(QPainter& p) const;
    void paintWireStrut(QPainter& p) const;
    void paintLoudspeaker(QPainter& p) const;
    void paintComponentBoard(QPainter& p) const;
    void paintResistor(QPainter& p, QPointF from, QPointF to, const QColor bands[4]) const;
    void paintCoil(QPainter& p, const QRectF& body) const;
    void paintCapacitor(QPainter& p, const QRectF& body) const;
    void paintLowerBand(QPainter& p) const;
    void paintButtonPlate(QPainter& p, const QRectF& plate, const QString& label,
                          const QRectF& labelInk, const QRectF& stripes) const;
    void paintLabel(QPainter& p, const QPainterPath& glyphs) const;
    void paintConversationFrame(QPainter& p) const;
    void paintRightColumnPlate(QPainter& p) const;
    void paintLampPlate(QPainter& p, const QRectF& plate, QPointF lampCentre) const;
    void paintRedLamp(QPainter& p, QPointF centre, qreal radius) const;
    void paintCloseEmblem(QPainter& p) const;
    void paintTubeLight(QPainter& p) const;

    QImage m_rust;
    QImage m_olive;
    QImage m_steel;
    QImage m_gunmetal;
    QImage m_blackened;
};
