#include "HeadPainter.h"

#include <cmath>

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "Effects.h"
#include "Materials.h"
#include "Noise.h"

namespace {

constexpr qreal kCentreX = HeadPainter::width / 2.0;

// Helmet and face, in the rest pose.
const QRectF kDome(134, 2, 120, 86);
constexpr qreal kBrimY = 70;
const QRectF kMask(148, 78, 92, 64);
const QPointF kLeftGoggle(172, 94);
const QPointF kRightGoggle(216, 94);
constexpr qreal kGoggleRadius = 11.5;
const QRectF kFilter(174, 112, 40, 28);

// Body, in the rest pose.
// The left pad's outline; the right one is its mirror image.
constexpr qreal kPadPeakY = 74;
const QPointF kLeftCollar(140, 134);
const QPointF kRightCollar(248, 134);
const QRectF kBreastplate(112, 118, 164, 100);

// Hose ends: at the helmet's jaw and on the chest.
const QPointF kLeftHoseTop(150, 118);
const QPointF kRightHoseTop(238, 118);
const QPointF kLeftHoseBottom(170, 186);
const QPointF kRightHoseBottom(218, 186);

materials::Recipe paleWornPaint()
{
    return {QColor(96, 92, 84),
            QColor(156, 152, 142),
            QColor(196, 192, 180),
            QColor(112, 90, 64),
            14.0f,
            1.0f,
            0.3f,
            6,
            211};
}

materials::Recipe helmetMetal()
{
    return {QColor(30, 33, 36),
            QColor(64, 68, 72),
            QColor(104, 108, 110),
            QColor(90, 70, 50),
            12.0f,
            1.0f,
            0.2f,
            6,
            223};
}

materials::Recipe chestPlate()
{
    return {QColor(28, 29, 30),
            QColor(58, 60, 60),
            QColor(92, 94, 92),
            QColor(96, 70, 40),
            12.0f,
            1.0f,
            0.35f,
            7,
            227};
}

materials::Recipe speckledFilter()
{
    return {QColor(60, 54, 46),
            QColor(112, 102, 88),
            QColor(156, 146, 130),
            QColor(90, 64, 40),
            3.0f,
            1.0f,
            0.2f,
            22,
            229};
}

} // namespace

std::array<HeadPose, HeadPainter::frameCount> HeadPainter::swayAnimation()
{
    // The helmet leans right and back; the face lags a pixel behind; the body
    // breathes in for four frames.
    return {{{0, 0, 0, 0, 0},
             {0, 0, 0, 0, 0},
             {1, 0, 0, 0, 0},
             {2, 0, 1, 0, -1},
             {3, 0, 1, 0, -1},
             {3, 0, 1, 0, -1},
             {2, 0, 1, 0, -1},
             {1, 0, 0, 0, 0}}};
}

std::array<HeadPose, HeadPainter::frameCount> HeadPainter::glanceAnimation()
{
    // Only the head moves: it turns left and looks up, then comes back.
    return {{{0, 0, 0, 0, 0},
             {-1, 0, 0, -1, 0},
             {-1, 0, -1, -1, 0},
             {-2, 0, -1, -2, 0},
             {-2, 0, -1, -2, 0},
             {-1, 0, -1, -1, 0},
             {-1, 0, 0, -1, 0},
             {0, 0, 0, 0, 0}}};
}

HeadPainter::HeadPainter()
{
    const QSize size(width + 8, height + 8);
    m_padSurface = materials::texture(size, paleWornPaint());
    m_helmetSurface = materials::texture(size, helmetMetal());
    m_chestSurface = materials::texture(size, chestPlate());
    m_filterSurface = materials::texture(size, speckledFilter());
    m_bodyLayer = paintLayer(&HeadPainter::paintBody);
    m_helmetLayer = paintLayer(&HeadPainter::paintHelmet);
    m_faceLayer = paintLayer(&HeadPainter::paintFace);
}

QImage HeadPainter::paintLayer(void (HeadPainter::*paintPart)(QPainter&) const) const
{
    QImage layer(width, height, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing);
    (this->*paintPart)(p);
    return layer;
}

void HeadPainter::paintBody(QPainter& p) const
{
    paintBreastplate(p);
    paintShoulderPad(p, true);
    paintShoulderPad(p, false);
    paintCollarRing(p, kLeftCollar);
    paintCollarRing(p, kRightCollar);
}

void HeadPainter::paintHelmet(QPainter& p) const
{
    paintHelmetDome(p);
    paintHelmetMask(p);
}

void HeadPainter::paintFace(QPainter& p) const
{
    paintBreathingFilter(p);
    paintGoggle(p, kLeftGoggle);
    paintGoggle(p, kRightGoggle);
}

QImage HeadPainter::paint(const HeadPose& pose) const
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    // Each part is painted once and moved as a whole, so a part that moves by a
    // pixel is exactly the same picture one pixel further on.
    const QPoint body(0, pose.bodyDy);
    const QPoint helmet(pose.helmetDx, pose.helmetDy);
    const QPoint face(pose.faceDx, pose.faceDy);
    p.drawImage(body, m_bodyLayer);
    // The hoses stretch between the moving helmet and the chest.
    paintHose(p, kLeftHoseTop + helmet, kLeftHoseBottom + body, -14);
    paintHose(p, kRightHoseTop + helmet, kRightHoseBottom + body, 14);
    p.drawImage(helmet, m_helmetLayer);
    p.drawImage(face, m_faceLayer);
    return image;
}

void HeadPainter::paintBreastplate(QPainter& p) const
{
    QPainterPath plate;
    plate.moveTo(kBreastplate.left(), kBreastplate.bottom());
    plate.lineTo(kBreastplate.left() + 8, kBreastplate.top() + 30);
    plate.cubicTo(kBreastplate.left() + 20, kBreastplate.top(), kBreastplate.right() - 20,
                  kBreastplate.top(), kBreastplate.right() - 8, kBreastplate.top() + 30);
    plate.lineTo(kBreastplate.right(), kBreastplate.bottom());
    plate.closeSubpath();
    materials::fillTextured(p, plate, m_chestSurface);
    // Olive and brown shadows towards the sides, light down the middle.
    QLinearGradient sides(kBreastplate.topLeft(), kBreastplate.topRight());
    sides.setColorAt(0.0, QColor(60, 58, 20, 170));
    sides.setColorAt(0.25, QColor(70, 50, 30, 90));
    sides.setColorAt(0.5, QColor(200, 200, 190, 30));
    sides.setColorAt(0.75, QColor(70, 50, 30, 90));
    sides.setColorAt(1.0, QColor(60, 58, 20, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(sides);
    p.drawPath(plate);
    // Central ridge and the plate seams.
    p.setPen(QPen(QColor(10, 10, 10, 200), 1.2));
    p.drawLine(QPointF(kCentreX, kBreastplate.top() + 40),
               QPointF(kCentreX, kBreastplate.bottom()));
    p.setPen(QPen(QColor(140, 140, 130, 90), 1.0));
    p.drawLine(QPointF(kCentreX + 1.2, kBreastplate.top() + 40),
               QPointF(kCentreX + 1.2, kBreastplate.bottom()));
    p.setPen(QPen(QColor(8, 8, 8, 170), 1.0));
    p.drawLine(QPointF(kBreastplate.left() + 14, 172), QPointF(kBreastplate.right() - 14, 172));
    materials::paintScratches(p, plate, 45, 233);
    materials::paintBevel(p, plate, 2, 60, 120);
    for (int i = 0; i < 5; ++i) {
        materials::paintRivet(p, QPointF(kBreastplate.left() + 30 + i * 26, 177), 1.8);
    }
    for (const qreal dx : {-12.0, 12.0}) {
        materials::paintRivet(p, QPointF(kCentreX + dx, 152), 1.8);
    }
}

namespace {

// The upper edge of the left pad, from the picture's edge over the top to the collar.
QPainterPath leftPadTopEdge()
{
    QPainterPath edge;
    edge.moveTo(-12, 98);
    edge.cubicTo(8, 100, 40, kPadPeakY, 76, kPadPeakY);
    edge.cubicTo(122, kPadPeakY, 152, 100, 160, 134);
    return edge;
}

QPainterPath leftPadOutline()
{
    QPainterPath pad = leftPadTopEdge();
    pad.cubicTo(164, 150, 166, 176, 164, 200);
    pad.lineTo(-12, 200);
    pad.closeSubpath();
    return pad;
}

} // namespace

void HeadPainter::paintShoulderPad(QPainter& p, bool left) const
{
    p.save();
    if (!left) {
        p.translate(width, 0);
        p.scale(-1, 1); // the right pad mirrors the left
    }
    const QPainterPath pad = leftPadOutline();
    // It casts a shadow on the breastplate beside it.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 130));
    p.drawPath(pad.translated(5, 3));
    materials::fillTextured(p, pad, m_padSurface);
    // A big rounded dome: lit on top, falling off into shadow all round.
    QRadialGradient form(QPointF(70, 104), 128);
    form.setColorAt(0.0, QColor(255, 255, 248, 90));
    form.setColorAt(0.3, QColor(255, 255, 248, 0));
    form.setColorAt(0.7, QColor(30, 24, 16, 90));
    form.setColorAt(1.0, QColor(10, 8, 4, 210));
    p.setBrush(form);
    p.drawPath(pad);
    QLinearGradient underside(QPointF(0, 150), QPointF(0, 194));
    underside.setColorAt(0.0, QColor(0, 0, 0, 0));
    underside.setColorAt(1.0, QColor(20, 14, 8, 120));
    p.setBrush(underside);
    p.drawPath(pad);

    p.save();
    p.setClipPath(pad);
    p.setBrush(Qt::NoBrush);
    // A rolled lip along the top edge.
    const QPainterPath edge = leftPadTopEdge();
    p.setPen(QPen(QColor(255, 255, 246, 150), 2.0));
    p.drawPath(edge.translated(0, 2.0));
    p.setPen(QPen(QColor(30, 26, 20, 150), 1.6));
    p.drawPath(edge.translated(0, 5.0));
    // Two overlapping lames lower down, each edge lit above and shaded below.
    for (const qreal drop : {34.0, 60.0}) {
        const QPainterPath lame = edge.translated(6, drop);
        p.setPen(QPen(QColor(20, 16, 10, 170), 2.4));
        p.drawPath(lame.translated(0, 1.6));
        p.setPen(QPen(QColor(240, 238, 226, 140), 1.2));
        p.drawPath(lame);
        for (int i = 1; i < 6; ++i) {
            const QPointF at = lame.pointAtPercent(i / 6.0) + QPointF(0, -4);
            materials::paintRivet(p, at, 1.7);
        }
    }
    p.restore();
    materials::paintScratches(p, pad, 40, left ? 239 : 241);
    materials::paintGrime(p, pad, 16, left ? 251 : 257);
    p.restore();

    if (left) {
        paintFlagDecal(p);
    } else {
        noise::Random random(263);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 9; ++i) {
            const QPointF speck(random.range(300, 360), random.range(92, 114));
            p.setBrush(QColor(70 + random.below(30), 130 + random.below(40), 50, 220));
            p.drawEllipse(speck, random.range(0.8f, 1.8f), random.range(0.7f, 1.4f));
        }
    }
}

void HeadPainter::paintFlagDecal(QPainter& p) const
{
    // A small faded tricolour, slanted to follow the pad's curve.
    p.save();
    p.translate(40, 92);
    p.rotate(-12);
    const QRectF flag(0, 0, 22, 13);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 80));
    p.drawRect(flag.translated(0.8, 0.8));
    const QColor stripes[3] = {QColor(226, 222, 210), QColor(52, 76, 140), QColor(170, 40, 34)};
    for (int i = 0; i < 3; ++i) {
        p.setBrush(stripes[i]);
        p.drawRect(QRectF(flag.left(), flag.top() + i * flag.height() / 3.0, flag.width(),
                          flag.height() / 3.0 + 0.1));
    }
    // Worn through in places.
    noise::Random random(269);
    for (int i = 0; i < 10; ++i) {
        p.setBrush(QColor(170, 168, 156, 170));
        p.drawEllipse(QPointF(random.range(0, 22), random.range(0, 13)), random.range(0.5f, 1.4f),
                      random.range(0.4f, 1.0f));
    }
    p.restore();
}

void HeadPainter::paintCollarRing(QPainter& p, QPointF centre) const
{
    // A thick dark torus: lit on its upper-left curve, open in the middle.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawEllipse(centre + QPointF(2, 3), 20, 17);
    QRadialGradient torus(centre, 20);
    torus.setColorAt(0.0, QColor(10, 10, 10));
    torus.setColorAt(0.35, QColor(18, 18, 18));
    torus.setColorAt(0.5, QColor(70, 72, 72));
    torus.setColorAt(0.7, QColor(40, 42, 42));
    torus.setColorAt(1.0, QColor(12, 12, 12));
    p.setBrush(torus);
    p.drawEllipse(centre, 20, 17);
    QPainterPath rim;
    rim.addEllipse(centre, 14, 11.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 150, 140, 110), 1.2));
    p.drawArc(QRectF(centre.x() - 17, centre.y() - 14.5, 34, 29), 70 * 16, 110 * 16);
    p.setPen(QPen(QColor(0, 0, 0, 200), 1.0));
    p.drawPath(rim);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(6, 6, 6));
    p.drawEllipse(centre, 7, 6);
}

void HeadPainter::paintHose(QPainter& p, QPointF fromHelmet, QPointF toChest, qreal sag) const
{
    QPainterPath hose;
    hose.moveTo(fromHelmet);
    hose.cubicTo(fromHelmet + QPointF(sag, 22), toChest + QPointF(sag * 0.6, -26), toChest);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0, 0, 0, 140), 13, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(hose.translated(1.5, 2));
    p.setPen(QPen(QColor(16, 16, 17), 11, Qt::SolidLine, Qt::FlatCap));
    p.drawPath(hose);
    // Ribs: a lit ring every few pixels along the hose.
    const int ribs = static_cast<int>(hose.length() / 3.2);
    for (int i = 1; i < ribs; ++i) {
        const qreal t = static_cast<qreal>(i) / ribs;
        const QPointF at = hose.pointAtPercent(t);
        const qreal angle = hose.angleAtPercent(t) * M_PI / 180.0;
        const QPointF across(std::sin(angle) * 5.2, std::cos(angle) * 5.2);
        p.setPen(QPen(QColor(96, 98, 100, 200), 1.1));
        p.drawLine(at - across, at + across * 0.6);
        p.setPen(QPen(QColor(0, 0, 0, 220), 0.9));
        const QPointF along(std::cos(angle) * 1.3, -std::sin(angle) * 1.3);
        p.drawLine(at - across + along, at + across + along);
    }
}

void HeadPainter::paintHelmetDome(QPainter& p) const
{
    QPainterPath dome;
    dome.moveTo(kDome.left(), kDome.bottom());
    dome.cubicTo(kDome.left() - 4, kDome.top() + 26, kCentreX - 36, kDome.top(), kCentreX,
                 kDome.top());
    dome.cubicTo(kCentreX + 36, kDome.top(), kDome.right() + 4, kDome.top() + 26, kDome.right(),
                 kDome.bottom());
    dome.closeSubpath();
    p.setPen(Qt::NoPen);
    materials::fillTextured(p, dome, m_helmetSurface);
    QRadialGradient form(QPointF(kCentreX - 20, kDome.top() + 20), kDome.width() * 0.75);
    form.setColorAt(0.0, QColor(220, 230, 230, 100));
    form.setColorAt(0.35, QColor(0, 0, 0, 0));
    form.setColorAt(1.0, QColor(0, 0, 0, 210));
    p.setBrush(form);
    p.drawPath(dome);
    // Ridges running over the dome, following its curve.
    p.save();
    p.setClipPath(dome);
    for (int i = -4; i <= 4; ++i) {
        if (i == 0) {
            continue;
        }
        const qreal x = kCentreX + i * 11.0;
        const qreal bulge = i * 4.5;
        QPainterPath ridge;
        ridge.moveTo(kCentreX + i * 2.0, kDome.top());
        ridge.quadTo(x + bulge, kDome.center().y() - 10, x + bulge * 0.5, kDome.bottom());
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 150), 2.4));
        p.drawPath(ridge.translated(1.2, 0));
        p.setPen(QPen(QColor(160, 166, 166, 120), 1.1));
        p.drawPath(ridge);
    }
    // The seam down the middle: a raised weld with a dark groove each side.
    p.setPen(QPen(QColor(0, 0, 0, 200), 4));
    p.drawLine(QPointF(kCentreX, kDome.top()), QPointF(kCentreX, kDome.bottom()));
    p.setPen(QPen(QColor(120, 124, 124), 2));
    p.drawLine(QPointF(kCentreX - 0.5, kDome.top()), QPointF(kCentreX - 0.5, kDome.bottom()));
    p.setPen(QPen(QColor(200, 204, 200, 140), 0.8));
    p.drawLine(QPointF(kCentreX - 1, kDome.top()), QPointF(kCentreX - 1, kDome.bottom()));
    // Patches of greenish-yellow paint left on the crown.
    noise::Random random(271);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 8; ++i) {
        const QPointF patch(kCentreX + random.range(-32, 32), kDome.top() + random.range(7, 24));
        p.setBrush(QColor(120 + random.below(30), 136 + random.below(20), 52, 170));
        p.drawEllipse(patch, random.range(1.6f, 4.5f), random.range(1.0f, 2.6f));
    }
    p.restore();
    materials::paintScratches(p, dome, 20, 277);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(8, 8, 10), 1.2));
    p.drawPath(dome);
    // A cold rim of light down the far side lifts the helmet off the black.
    p.save();
    p.setClipPath(dome);
    QLinearGradient rim(QPointF(kCentreX + 20, 0), QPointF(kDome.right(), 0));
    rim.setColorAt(0.0, QColor(150, 180, 200, 0));
    rim.setColorAt(1.0, QColor(150, 180, 200, 130));
    p.setPen(QPen(QBrush(rim), 2.5));
    p.drawPath(dome.translated(-1.5, 0.5));
    p.restore();
}

void HeadPainter::paintHelmetMask(QPainter& p) const
{
    // The face plate under the brim: dark, rubbery, narrowing to the jaw.
    QPainterPath mask;
    mask.moveTo(kMask.left(), kMask.top());
    mask.lineTo(kMask.right(), kMask.top());
    mask.cubicTo(kMask.right() + 4, kMask.top() + 30, kMask.right() - 12, kMask.bottom() - 6,
                 kCentreX + 18, kMask.bottom());
    mask.lineTo(kCentreX - 18, kMask.bottom());
    mask.cubicTo(kMask.left() + 12, kMask.bottom() - 6, kMask.left() - 4, kMask.top() + 30,
                 kMask.left(), kMask.top());
    mask.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 160));
    p.drawPath(mask.translated(0, 3));
    p.setBrush(QColor(40, 40, 40));
    p.drawPath(mask);
    p.setOpacity(0.55);
    materials::fillTextured(p, mask, m_helmetSurface);
    p.setOpacity(1.0);
    QLinearGradient shade(kMask.topLeft(), kMask.topRight());
    shade.setColorAt(0.0, QColor(0, 0, 0, 190));
    shade.setColorAt(0.3, QColor(0, 0, 0, 40));
    shade.setColorAt(0.45, QColor(200, 210, 210, 30));
    shade.setColorAt(0.7, QColor(0, 0, 0, 50));
    shade.setColorAt(1.0, QColor(0, 0, 0, 200));
    p.setBrush(shade);
    p.drawPath(mask);
    materials::paintBevel(p, mask, 2, 40, 120);
    // Dark sockets round the goggles.
    for (const QPointF c : {kLeftGoggle, kRightGoggle}) {
        QRadialGradient socket(c, kGoggleRadius + 7);
        socket.setColorAt(0.6, QColor(0, 0, 0, 220));
        socket.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.setBrush(socket);
        p.drawEllipse(c, kGoggleRadius + 7, kGoggleRadius + 6);
    }
    // Connectors at the jaw where the hoses plug in.
    for (const QPointF c : {kLeftHoseTop, kRightHoseTop}) {
        materials::paintBolt(p, c + QPointF(c.x() < kCentreX ? 2 : -2, -2), 5.0);
    }

    // The brim: a flared visor band over the brow.
    QPainterPath brim;
    brim.moveTo(128, kBrimY + 2);
    brim.quadTo(kCentreX, kBrimY - 12, 260, kBrimY + 2);
    brim.lineTo(256, kBrimY + 12);
    brim.quadTo(kCentreX, kBrimY + 2, 132, kBrimY + 12);
    brim.closeSubpath();
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawPath(brim.translated(0, 3));
    materials::fillTextured(p, brim, m_helmetSurface);
    QLinearGradient brimShade(QPointF(0, kBrimY - 8), QPointF(0, kBrimY + 12));
    brimShade.setColorAt(0.0, QColor(230, 236, 236, 110));
    brimShade.setColorAt(0.5, QColor(0, 0, 0, 20));
    brimShade.setColorAt(1.0, QColor(0, 0, 0, 170));
    p.setBrush(brimShade);
    p.drawPath(brim);
    materials::paintBevel(p, brim, 1.5, 80, 120);
    for (const qreal dx : {-50.0, -26.0, 26.0, 50.0}) {
        const qreal y = kBrimY + 3 - 6 * (1.0 - (dx * dx) / (66.0 * 66.0));
        materials::paintRivet(p, QPointF(kCentreX + dx, y + 2), 1.8);
    }
}

void HeadPainter::paintGoggle(QPainter& p, QPointF centre) const
{
    const qreal r = kGoggleRadius;
    // Heavy steel ring.
    QConicalGradient ring(centre, 135);
    ring.setColorAt(0.0, QColor(190, 190, 180));
    ring.setColorAt(0.3, QColor(70, 70, 68));
    ring.setColorAt(0.5, QColor(24, 24, 24));
    ring.setColorAt(0.8, QColor(80, 80, 76));
    ring.setColorAt(1.0, QColor(190, 190, 180));
    p.setPen(QPen(QColor(0, 0, 0), 1.0));
    p.setBrush(ring);
    p.drawEllipse(centre, r + 3.5, r + 3.5);
    // The lens glows orange-red from within, hottest at its centre.
    QRadialGradient lens(centre + QPointF(0.5, 1), r);
    lens.setColorAt(0.0, QColor(255, 236, 150));
    lens.setColorAt(0.25, QColor(255, 150, 40));
    lens.setColorAt(0.6, QColor(226, 60, 16));
    lens.setColorAt(1.0, QColor(100, 14, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(lens);
    p.drawEllipse(centre, r, r);
    // Crosshair etched into the glass, and a reflection.
    p.setPen(QPen(QColor(90, 10, 0, 110), 0.8));
    p.drawLine(centre - QPointF(r * 0.8, 0), centre + QPointF(r * 0.8, 0));
    p.drawLine(centre - QPointF(0, r * 0.8), centre + QPointF(0, r * 0.8));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 240, 190));
    p.drawEllipse(centre + QPointF(-r * 0.42, -r * 0.45), r * 0.22, r * 0.15);
    effects::paintGlow(p, centre, r * 2.1, QColor(255, 90, 30, 90));
}

void HeadPainter::paintBreathingFilter(QPainter& p) const
{
    // A snout that juts out under the goggles and ends in a round canister.
    const QPointF canister(kCentreX, kFilter.bottom() - 10);
    QPainterPath snout;
    snout.moveTo(kFilter.left(), kFilter.top());
    snout.lineTo(kFilter.right(), kFilter.top());
    snout.lineTo(kFilter.right() - 4, canister.y());
    snout.lineTo(kFilter.left() + 4, canister.y());
    snout.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawPath(snout.translated(1.5, 3));
    materials::fillTextured(p, snout, m_filterSurface);
    QLinearGradient form(kFilter.topLeft(), kFilter.topRight());
    form.setColorAt(0.0, QColor(0, 0, 0, 170));
    form.setColorAt(0.35, QColor(255, 240, 220, 40));
    form.setColorAt(0.6, QColor(0, 0, 0, 0));
    form.setColorAt(1.0, QColor(0, 0, 0, 180));
    p.setBrush(form);
    p.drawPath(snout);
    // Ribs round the snout.
    for (int i = 1; i < 4; ++i) {
        const qreal y = kFilter.top() + i * 4.0;
        p.setBrush(QColor(0, 0, 0, 130));
        p.drawRect(QRectF(kFilter.left() + i, y, kFilter.width() - 2 * i, 1.2));
    }

    // The canister: a speckled drum seen end on, with a perforated face.
    const qreal rx = 15;
    const qreal ry = 12;
    p.setBrush(QColor(0, 0, 0, 190));
    p.drawEllipse(canister + QPointF(1.5, 3), rx + 1, ry + 1);
    QPainterPath drum;
    drum.addEllipse(canister, rx, ry);
    materials::fillTextured(p, drum, m_filterSurface);
    QRadialGradient dome(canister - QPointF(5, 5), rx * 1.5);
    dome.setColorAt(0.0, QColor(255, 240, 220, 70));
    dome.setColorAt(0.5, QColor(0, 0, 0, 0));
    dome.setColorAt(1.0, QColor(0, 0, 0, 170));
    p.setBrush(dome);
    p.drawPath(drum);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(20, 16, 12, 200), 1.0));
    p.drawEllipse(canister, rx - 3.5, ry - 3);
    p.setPen(QPen(QColor(200, 190, 170, 90), 0.8));
    p.drawArc(QRectF(canister.x() - rx + 3, canister.y() - ry + 2.6, 2 * rx - 6, 2 * ry - 6),
              40 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    for (int ring = 0; ring < 2; ++ring) {
        const int holes = ring == 0 ? 1 : 6;
        for (int i = 0; i < holes; ++i) {
            const qreal angle = i * 2 * M_PI / holes;
            const QPointF hole =
                canister + QPointF(std::cos(angle) * ring * 6.0, std::sin(angle) * ring * 5.0);
            p.setBrush(QColor(6, 5, 4));
            p.drawEllipse(hole, 1.4, 1.2);
        }
    }
}
