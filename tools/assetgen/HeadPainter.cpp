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
const QRectF kDome(136, 6, 116, 100);
const QRectF kMask(146, 70, 96, 70);
const QPointF kLeftGoggle(172, 90);
const QPointF kRightGoggle(216, 90);
constexpr qreal kGoggleRadius = 11.5;
const QRectF kFilter(174, 108, 40, 30);

// Body, in the rest pose.
const QPointF kLeftPadCentre(58, 168);
const QPointF kRightPadCentre(330, 168);
constexpr qreal kPadRadiusX = 104;
constexpr qreal kPadRadiusY = 76;
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
    return {QColor(120, 118, 110),
            QColor(176, 174, 164),
            QColor(214, 212, 202),
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
}

QImage HeadPainter::paint(const HeadPose& pose) const
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    const QPointF body(0, pose.bodyDy);
    const QPointF helmet(pose.helmetDx, pose.helmetDy);
    const QPointF face(pose.faceDx, pose.faceDy);

    p.save();
    p.translate(body);
    paintBreastplate(p);
    paintShoulderPad(p, true);
    paintShoulderPad(p, false);
    paintCollarRing(p, kLeftCollar);
    paintCollarRing(p, kRightCollar);
    p.restore();

    // The hoses stretch between the moving helmet and the chest.
    paintHose(p, kLeftHoseTop + helmet, kLeftHoseBottom + body, -14);
    paintHose(p, kRightHoseTop + helmet, kRightHoseBottom + body, 14);

    p.save();
    p.translate(helmet);
    paintHelmetDome(p);
    paintHelmetMask(p);
    p.restore();

    p.save();
    p.translate(face);
    paintBreathingFilter(p);
    paintGoggle(p, kLeftGoggle);
    paintGoggle(p, kRightGoggle);
    p.restore();
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

void HeadPainter::paintShoulderPad(QPainter& p, bool left) const
{
    const QPointF centre = left ? kLeftPadCentre : kRightPadCentre;
    QPainterPath pad;
    pad.addEllipse(centre, kPadRadiusX, kPadRadiusY);
    // Under the edge it casts a shadow on the breastplate.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 120));
    p.drawPath(pad.translated(left ? 4 : -4, 3));
    materials::fillTextured(p, pad, m_padSurface);
    // Rounded: lit from above and from the front, dark towards the rim.
    QRadialGradient form(centre + QPointF(left ? 20 : -20, -44), kPadRadiusX * 1.05);
    form.setColorAt(0.0, QColor(255, 255, 250, 70));
    form.setColorAt(0.45, QColor(0, 0, 0, 0));
    form.setColorAt(0.85, QColor(20, 16, 10, 130));
    form.setColorAt(1.0, QColor(10, 8, 4, 210));
    p.setBrush(form);
    p.drawPath(pad);
    // Ridge of the reinforcing band that runs over the pad.
    p.save();
    p.setClipPath(pad);
    p.setBrush(Qt::NoBrush);
    const qreal dir = left ? 1.0 : -1.0;
    QPainterPath band;
    band.addEllipse(centre + QPointF(dir * 6, 10), kPadRadiusX - 16, kPadRadiusY - 16);
    p.setPen(QPen(QColor(40, 36, 30, 120), 2.2));
    p.drawPath(band.translated(0, 1.2));
    p.setPen(QPen(QColor(240, 238, 228, 110), 1.2));
    p.drawPath(band);
    p.restore();
    materials::paintScratches(p, pad, 40, left ? 239 : 241);
    materials::paintGrime(p, pad, 8, left ? 251 : 257);
    if (left) {
        paintFlagDecal(p);
    } else {
        noise::Random random(263);
        p.setPen(Qt::NoPen);
        for (int i = 0; i < 9; ++i) {
            const QPointF speck(random.range(300, 360), random.range(112, 150));
            p.setBrush(QColor(70 + random.below(30), 130 + random.below(40), 50, 220));
            p.drawEllipse(speck, random.range(0.8f, 1.8f), random.range(0.7f, 1.4f));
        }
    }
}

void HeadPainter::paintFlagDecal(QPainter& p) const
{
    // A small faded tricolour, slanted to follow the pad's curve.
    p.save();
    p.translate(48, 120);
    p.rotate(-14);
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
    dome.addEllipse(kDome);
    p.setPen(Qt::NoPen);
    materials::fillTextured(p, dome, m_helmetSurface);
    QRadialGradient form(QPointF(kDome.center().x() - 18, kDome.top() + 22), kDome.width() * 0.7);
    form.setColorAt(0.0, QColor(220, 230, 230, 90));
    form.setColorAt(0.4, QColor(0, 0, 0, 0));
    form.setColorAt(1.0, QColor(0, 0, 0, 200));
    p.setBrush(form);
    p.drawPath(dome);
    // Ridges running over the dome, following its curve.
    p.save();
    p.setClipPath(dome);
    for (int i = -4; i <= 4; ++i) {
        if (i == 0) {
            continue;
        }
        const qreal x = kDome.center().x() + i * 12.0;
        const qreal bulge = i * 5.0;
        QPainterPath ridge;
        ridge.moveTo(kDome.center().x() + i * 2.0, kDome.top());
        ridge.quadTo(x + bulge, kDome.center().y() - 10, x + bulge * 0.4, kDome.bottom());
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 150), 2.4));
        p.drawPath(ridge.translated(1.2, 0));
        p.setPen(QPen(QColor(150, 156, 156, 110), 1.1));
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
    for (int i = 0; i < 7; ++i) {
        const QPointF patch(kCentreX + random.range(-34, 34), kDome.top() + random.range(8, 26));
        p.setBrush(QColor(150 + random.below(30), 160 + random.below(20), 60, 200));
        p.drawEllipse(patch, random.range(2.0f, 5.0f), random.range(1.2f, 3.0f));
    }
    p.restore();
    materials::paintScratches(p, dome, 20, 277);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(8, 8, 10), 1.2));
    p.drawPath(dome);
}

void HeadPainter::paintHelmetMask(QPainter& p) const
{
    // The brow and jaw: a heavy visor band with the face recess below it.
    QPainterPath mask;
    mask.moveTo(kMask.left(), kMask.top());
    mask.lineTo(kMask.right(), kMask.top());
    mask.cubicTo(kMask.right() + 4, kMask.top() + 30, kMask.right() - 10, kMask.bottom() - 8,
                 kCentreX + 18, kMask.bottom());
    mask.lineTo(kCentreX - 18, kMask.bottom());
    mask.cubicTo(kMask.left() + 10, kMask.bottom() - 8, kMask.left() - 4, kMask.top() + 30,
                 kMask.left(), kMask.top());
    mask.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 160));
    p.drawPath(mask.translated(0, 3));
    materials::fillTextured(p, mask, m_helmetSurface);
    QLinearGradient shade(kMask.topLeft(), kMask.topRight());
    shade.setColorAt(0.0, QColor(0, 0, 0, 170));
    shade.setColorAt(0.3, QColor(0, 0, 0, 40));
    shade.setColorAt(0.45, QColor(200, 210, 210, 40));
    shade.setColorAt(0.7, QColor(0, 0, 0, 40));
    shade.setColorAt(1.0, QColor(0, 0, 0, 190));
    p.setBrush(shade);
    p.drawPath(mask);
    // The brow ridge across the top of the mask.
    const QRectF brow(kMask.left() - 4, kMask.top() - 4, kMask.width() + 8, 9);
    QLinearGradient browShade(brow.topLeft(), brow.bottomLeft());
    browShade.setColorAt(0.0, QColor(150, 154, 152));
    browShade.setColorAt(0.4, QColor(70, 72, 74));
    browShade.setColorAt(1.0, QColor(14, 14, 16));
    p.setBrush(browShade);
    p.drawRoundedRect(brow, 4, 4);
    for (const qreal dx : {-42.0, 42.0}) {
        materials::paintRivet(p, QPointF(kCentreX + dx, brow.center().y()), 2.0);
    }
    materials::paintBevel(p, mask, 2, 50, 120);
    // Dark sockets round the goggles.
    for (const QPointF c : {kLeftGoggle, kRightGoggle}) {
        QRadialGradient socket(c, kGoggleRadius + 7);
        socket.setColorAt(0.6, QColor(0, 0, 0, 220));
        socket.setColorAt(1.0, QColor(0, 0, 0, 0));
        p.setBrush(socket);
        p.drawEllipse(c, kGoggleRadius + 7, kGoggleRadius + 6);
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
    // A canister that juts out under the goggles: its front face and its grille.
    QPainterPath body;
    body.moveTo(kFilter.left() + 4, kFilter.top());
    body.lineTo(kFilter.right() - 4, kFilter.top());
    body.lineTo(kFilter.right(), kFilter.bottom() - 6);
    body.quadTo(kFilter.right(), kFilter.bottom(), kFilter.right() - 6, kFilter.bottom());
    body.lineTo(kFilter.left() + 6, kFilter.bottom());
    body.quadTo(kFilter.left(), kFilter.bottom(), kFilter.left(), kFilter.bottom() - 6);
    body.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 170));
    p.drawPath(body.translated(1.5, 3));
    materials::fillTextured(p, body, m_filterSurface);
    QLinearGradient form(kFilter.topLeft(), kFilter.topRight());
    form.setColorAt(0.0, QColor(0, 0, 0, 150));
    form.setColorAt(0.35, QColor(255, 240, 220, 50));
    form.setColorAt(0.6, QColor(0, 0, 0, 0));
    form.setColorAt(1.0, QColor(0, 0, 0, 170));
    p.setBrush(form);
    p.drawPath(body);
    // Grille slots.
    for (int i = 0; i < 5; ++i) {
        const qreal y = kFilter.top() + 8 + i * 4.2;
        p.setBrush(QColor(10, 8, 6));
        p.drawRoundedRect(QRectF(kFilter.left() + 7, y, kFilter.width() - 14, 2.2), 1, 1);
        p.setBrush(QColor(200, 186, 160, 90));
        p.drawRect(QRectF(kFilter.left() + 7, y + 2.2, kFilter.width() - 14, 0.8));
    }
    materials::paintBevel(p, body, 1.5, 90, 140);
    materials::paintRivet(p, QPointF(kFilter.left() + 4, kFilter.top() + 4), 1.6);
    materials::paintRivet(p, QPointF(kFilter.right() - 4, kFilter.top() + 4), 1.6);
}
