#include "AboutPainter.h"

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

#include "Effects.h"
#include "Materials.h"
#include "TextPath.h"

using materials::pixelBox;

namespace {

const QRectF kMonitor = pixelBox(7, 9, 259, 219);
constexpr qreal kMonitorCorner = 18;
const QRectF kScreen = pixelBox(37, 33, 241, 176);
const QRectF kTitleBand = pixelBox(40, 35, 238, 51);
const QRectF kLeftPipe = pixelBox(22, 22, 35, 196);
const QRectF kRightPipe = pixelBox(242, 22, 255, 196);
const QRectF kUpButton = pixelBox(24, 46, 35, 57);
const QRectF kDownButton = pixelBox(24, 61, 35, 73);
const QRectF kClosePlate = pixelBox(90, 183, 189, 207);
const QPointF kCloseLamp(103.5, 195.5);
const QRectF kCloseLabel = pixelBox(116, 190, 181, 200);

} // namespace

AboutPainter::AboutPainter()
{
    const QSize size(width, height);
    m_stone = materials::texture(size, materials::stone());
    m_gunmetal = materials::texture(size, materials::gunmetal());
    m_steel = materials::texture(size, materials::steel());
}

QImage AboutPainter::paint() const
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        paintStoneBackground(p);
        paintMonitorFrame(p);
        paintPipe(p, kLeftPipe);
        paintPipe(p, kRightPipe);
        paintArrowButton(p, kUpButton, true);
        paintArrowButton(p, kDownButton, false);
        paintCloseButton(p);
    }
    effects::addGrain(image, 3, 4242);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        // After the grain: the text box shows on pure black.
        paintScreen(p);
        paintTitle(p);
    }
    return image;
}

void AboutPainter::paintStoneBackground(QPainter& p) const
{
    QPainterPath all;
    all.addRect(QRectF(0, 0, width, height));
    materials::fillTextured(p, all, m_stone);
    materials::paintGrime(p, all, 18, 7001);
    effects::paintVignette(p, QRectF(0, 0, width, height), 0.5);
}

void AboutPainter::paintMonitorFrame(QPainter& p) const
{
    const QPainterPath frame = materials::roundedBox(kMonitor, kMonitorCorner);
    materials::paintDropShadow(p, frame, QPointF(3, 4), 200);
    materials::fillTextured(p, frame, m_gunmetal);
    materials::paintScratches(p, frame, 30, 7003);
    materials::paintGrime(p, frame, 10, 7005);
    materials::paintBevel(p, frame, 3, 100, 170);
    // Inner step round the screen.
    const QRectF bezel = kScreen.adjusted(-5, -5, 5, 5);
    const QPainterPath bezelPath = materials::roundedBox(bezel, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(14, 14, 14));
    p.drawPath(bezelPath);
    materials::paintBevel(p, bezelPath, 3, 0, 160);
    p.fillRect(QRectF(bezel.left() + 4, bezel.bottom() - 2, bezel.width() - 8, 1),
               QColor(140, 140, 130, 140));
    for (const QPointF c :
         {kMonitor.topLeft() + QPointF(12, 12), kMonitor.topRight() + QPointF(-12, 12),
          kMonitor.bottomLeft() + QPointF(12, -12), kMonitor.bottomRight() + QPointF(-12, -12)}) {
        materials::paintBolt(p, c, 4.0);
    }
}

void AboutPainter::paintScreen(QPainter& p) const
{
    p.fillRect(kScreen, Qt::black);
}

void AboutPainter::paintTitle(QPainter& p) const
{
    const QPainterPath bold = text::outline("VORKAST", text::Face::SansBold, 16);
    const QPainterPath italic =
        text::outline(QString::fromUtf8("Толкарь"), text::Face::SerifItalic, 16);
    const qreal gap = 6;
    const qreal total = bold.boundingRect().width() + gap + italic.boundingRect().width();
    const qreal left = kTitleBand.center().x() - total / 2.0;
    // Both words share a baseline; the capitals set the height of the band.
    const qreal baseline = kTitleBand.top() - bold.boundingRect().top() + 2;
    QPainterPath title = bold.translated(left - bold.boundingRect().left(), baseline);
    title.addPath(italic.translated(
        left + bold.boundingRect().width() + gap - italic.boundingRect().left(), baseline));
    // A faint phosphor bloom under the letters.
    QImage bloom(width, height, QImage::Format_ARGB32_Premultiplied);
    bloom.fill(Qt::transparent);
    {
        QPainter b(&bloom);
        b.setRenderHint(QPainter::Antialiasing);
        b.setPen(Qt::NoPen);
        b.setBrush(QColor(255, 30, 10, 150));
        b.drawPath(title);
    }
    p.drawImage(0, 0, effects::blurred(bloom, 4));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(232, 28, 20));
    p.drawPath(title);
}

void AboutPainter::paintPipe(QPainter& p, const QRectF& pipe) const
{
    QLinearGradient round(pipe.topLeft(), pipe.topRight());
    round.setColorAt(0.0, QColor(70, 70, 66));
    round.setColorAt(0.3, QColor(214, 212, 204));
    round.setColorAt(0.5, QColor(176, 174, 166));
    round.setColorAt(1.0, QColor(60, 58, 54));
    const QPainterPath shape = materials::roundedBox(pipe, pipe.width() / 2.0);
    materials::paintDropShadow(p, shape, QPointF(2, 2), 170);
    p.setPen(Qt::NoPen);
    p.setBrush(round);
    p.drawPath(shape);
    materials::paintGrime(p, shape, 6, static_cast<std::uint32_t>(pipe.left()));
    // Clamps holding the pipe to the frame.
    for (const qreal y : {pipe.top() + 14, pipe.bottom() - 14}) {
        const QRectF clamp(pipe.left() - 1, y - 2.5, pipe.width() + 2, 5);
        QLinearGradient metal(clamp.topLeft(), clamp.bottomLeft());
        metal.setColorAt(0.0, QColor(150, 140, 120));
        metal.setColorAt(1.0, QColor(40, 36, 30));
        p.setBrush(metal);
        p.drawRect(clamp);
    }
}

void AboutPainter::paintArrowButton(QPainter& p, const QRectF& button, bool up) const
{
    const QPainterPath shape = materials::roundedBox(button, 1.5);
    materials::paintDropShadow(p, shape, QPointF(1, 1.5), 180);
    QLinearGradient face(button.topLeft(), button.bottomRight());
    face.setColorAt(0.0, QColor(50, 100, 50));
    face.setColorAt(1.0, QColor(14, 44, 18));
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawPath(shape);
    materials::paintBevel(p, shape, 1.5, 120, 160);
    const QPointF c = button.center();
    QPolygonF arrow;
    if (up) {
        arrow << QPointF(c.x(), c.y() - 3.5) << QPointF(c.x() + 3.8, c.y() + 2.5)
              << QPointF(c.x() - 3.8, c.y() + 2.5);
    } else {
        arrow << QPointF(c.x(), c.y() + 3.5) << QPointF(c.x() + 3.8, c.y() - 2.5)
              << QPointF(c.x() - 3.8, c.y() - 2.5);
    }
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawPolygon(arrow.translated(0.6, 0.8));
    p.setBrush(QColor(240, 210, 40));
    p.drawPolygon(arrow);
}

void AboutPainter::paintCloseButton(QPainter& p) const
{
    const QPainterPath plate = materials::roundedBox(kClosePlate, 3);
    materials::paintPlate(p, plate, m_steel, 2.0);
    p.fillRect(kClosePlate, QColor(30, 24, 10, 90));
    materials::paintScratches(p, plate, 8, 7011);
    for (const QPointF c :
         {kClosePlate.topLeft() + QPointF(3.5, 3.5), kClosePlate.topRight() + QPointF(-3.5, 3.5),
          kClosePlate.bottomLeft() + QPointF(3.5, -3.5),
          kClosePlate.bottomRight() + QPointF(-3.5, -3.5)}) {
        materials::paintRivet(p, c, 1.6);
    }
    // Red lamp.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 16, 12));
    p.drawEllipse(kCloseLamp, 7, 7);
    QRadialGradient glass(kCloseLamp - QPointF(1.8, 2), 7);
    glass.setColorAt(0.0, QColor(255, 180, 150));
    glass.setColorAt(0.3, QColor(230, 36, 22));
    glass.setColorAt(1.0, QColor(90, 6, 4));
    p.setBrush(glass);
    p.drawEllipse(kCloseLamp, 5.5, 5.5);
    effects::paintGlow(p, kCloseLamp, 12, QColor(255, 40, 20, 60));
    // Label.
    const QPainterPath label =
        text::fitted(QString::fromUtf8("Закрыть"), text::Face::SansBold, kCloseLabel);
    p.setBrush(QColor(0, 0, 0, 200));
    p.drawPath(label.translated(1, 1));
    p.setBrush(QColor(246, 244, 236));
    p.drawPath(label);
}
