#pragma once

#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>

// Draws the About box: a dark bolted monitor on a stone background, with the
// title on its black screen, the pipes with their arrow buttons and the
// painted "Закрыть" button.
class AboutPainter
{
  public:
    static constexpr int width = 267;
    static constexpr int height = 228;

    AboutPainter();
    QImage paint() const;

  private:
    void paintStoneBackground(QPainter& p) const;
    void paintMonitorFrame(QPainter& p) const;
    void paintScreen(QPainter& p) const;
    void paintTitle(QPainter& p) const;
    void paintPipe(QPainter& p, const QRectF& pipe) const;
    void paintArrowButton(QPainter& p, const QRectF& button, bool up) const;
    void paintCloseButton(QPainter& p) const;

    QImage m_stone;
    QImage m_gunmetal;
    QImage m_steel;
};
