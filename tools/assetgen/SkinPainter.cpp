#include "SkinPainter.h"

#include <cmath>

#include <QLinearGradient>
#include <QPolygonF>
#include <QRadialGradient>

#include "Effects.h"
#include "Materials.h"
#include "Noise.h"
#include "TextPath.h"

using materials::pixelBox;

namespace {

// Layout in window coordinates; the picture sits one pixel up and left of the
// window, so the painter is shifted by (1, 1) and these are used as they are.
const QRectF kHeadHole = pixelBox(125, 9, 516, 214);
const QRectF kHeadFrame = pixelBox(112, -1, 529, 223);
const QRectF kConversationScreen = pixelBox(100, 298, 536, 468);
const QRectF kConversationFrame = pixelBox(84, 289, 552, 477);
const QPointF kLeftScreenBolt(92.0, 383.5);
const QPointF kRightScreenBolt(544.5, 383.5);
const QRectF kInputBoard = pixelBox(133, 226, 516, 282);

const QRectF kTubeBay = pixelBox(-1, -1, 111, 289);
const QRectF kTopShelf = pixelBox(14, 100, 111, 110);
const QRectF kUpperTubes[] = {pixelBox(33, 20, 58, 99), pixelBox(78, 24, 101, 99)};
const QRectF kChassis = pixelBox(18, 196, 111, 286);
const QRectF kLowerTubes[] = {pixelBox(30, 122, 55, 195), pixelBox(76, 128, 99, 195)};
const QRectF kPaperStrip = pixelBox(1, 112, 13, 286);

const QRectF kRightBay = pixelBox(530, -1, 637, 289);
const QRectF kSpeakerMount = pixelBox(535, 100, 630, 190);
const QRectF kComponentBoard = pixelBox(530, 205, 635, 285);

constexpr int kLowerBandTop = 290;
const QRectF kLowerBand = pixelBox(-1, kLowerBandTop, 637, 477);

struct ButtonFace
{
    const char* label;
    QRectF plate;
    QRectF labelInk;
    QRectF stripes;
};
const ButtonFace kButtonFaces[] = {
    {"Сказать", pixelBox(2, 292, 81, 353), pixelBox(7, 297, 75, 309), pixelBox(18, 319, 62, 340)},
    {"Начать", pixelBox(2, 354, 81, 415), pixelBox(9, 356, 69, 368), pixelBox(17, 378, 61, 399)},
    {"В файл", pixelBox(2, 416, 81, 476), pixelBox(8, 419, 71, 435), pixelBox(17, 444, 61, 465)},
};

const QRectF kRightColumnPlate = pixelBox(566, 294, 634, 436);
const QRectF kHelpLabel = pixelBox(580, 305, 613, 319);
const QRectF kHelpPlate = pixelBox(576, 324, 623, 351);
const QPointF kHelpLamp(597.5, 338.0);
const QRectF kAboutLabel = pixelBox(574, 384, 620, 395);
const QRectF kAboutPlate = pixelBox(576, 400, 624, 427);
const QPointF kAboutLamp(599.5, 411.5);
const QRectF kCloseRecess = pixelBox(566, 439, 634, 470);
const QRectF kCloseEmblem = pixelBox(583, 443, 626, 463);

QPainterPath rectPath(const QRectF& r)
{
    QPainterPath path;
    path.addRect(r);
    return path;
}

} // namespace

SkinPainter::SkinPainter()
{
    const QSize size(width, height);
    m_rust = materials::texture(size, materials::rustyIron());
    m_olive = materials::texture(size, materials::oliveMetal());
    m_steel = materials::texture(size, materials::steel());
    m_gunmetal = materials::texture(size, materials::gunmetal());
    m_blackened = materials::texture(size, materials::blackenedIron());
}

QImage SkinPainter::paint() const
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.translate(1, 1); // window pixel (x, y) is picture pixel (x + 1, y + 1)

        paintConsoleBackdrop(p);
        paintTubeBay(p);
        paintRightBay(p);
        paintInputBoard(p);
        paintHeadScreenFrame(p);
        paintLowerBand(p);
        paintConversationFrame(p);
        for (const ButtonFace& face : kButtonFaces) {
            paintButtonPlate(p, face.plate, QString::fromUtf8(face.label), face.labelInk,
                             face.stripes);
        }
        paintRightColumnPlate(p);
        paintLampPlate(p, kHelpPlate, kHelpLamp);
        paintLabel(p, text::fitted("Help", text::Face::SansBold, kHelpLabel));
        paintLampPlate(p, kAboutPlate, kAboutLamp);
        paintLabel(p, text::fitted("About", text::Face::SansBold, kAboutLabel));
        paintCloseEmblem(p);
        paintTubeLight(p);
        effects::paintVignette(p, QRectF(-1, -1, width, height), 0.3);
    }
    effects::addGrain(image, 3, 977);
    {
        QPainter p(&image);
        p.translate(1, 1);
        // The conversation view lies over this: it must be pure black.
        p.fillRect(kConversationScreen, Qt::black);
        p.setCompositionMode(QPainter::CompositionMode_Clear);
        p.fillRect(kHeadHole, Qt::transparent);
    }
    return image;
}

void SkinPainter::paintConsoleBackdrop(QPainter& p) const
{
    materials::fillTextured(p, rectPath(QRectF(-1, -1, width, height)), m_blackened);
    materials::paintGrime(p, rectPath(QRectF(-1, -1, width, height)), 30, 5);
}

void SkinPainter::paintTubeBay(QPainter& p) const
{
    // A deep recess: rusty back wall, darker towards the top where no light falls.
    const QPainterPath bay = rectPath(kTubeBay);
    materials::fillTextured(p, bay, m_rust);
    QLinearGradient depth(kTubeBay.topLeft(), kTubeBay.bottomLeft());
    depth.setColorAt(0.0, QColor(0, 0, 0, 170));
    depth.setColorAt(0.5, QColor(0, 0, 0, 90));
    depth.setColorAt(1.0, QColor(0, 0, 0, 140));
    p.fillRect(kTubeBay, depth);
    // The back wall is two riveted sheets, joined behind the top shelf.
    for (const qreal seamY : {kTopShelf.bottom() + 14, kChassis.top() - 2}) {
        p.fillRect(QRectF(kTubeBay.left(), seamY, kTubeBay.width(), 1.5), QColor(0, 0, 0, 170));
        p.fillRect(QRectF(kTubeBay.left(), seamY + 1.5, kTubeBay.width(), 1),
                   QColor(255, 190, 130, 40));
    }
    for (qreal x = 22; x < kTubeBay.right() - 4; x += 22) {
        materials::paintRivet(p, QPointF(x, kTopShelf.bottom() + 20), 1.8);
    }
    materials::paintScratches(p, bay, 25, 71);
    materials::paintBevel(p, bay, 3, 0, 180);

    paintPaperStrip(p);
    paintTopShelf(p);
    for (const QRectF& tube : kUpperTubes) {
        paintVacuumTube(p, tube);
    }
    paintPerforatedChassis(p);
    for (const QRectF& tube : kLowerTubes) {
        paintVacuumTube(p, tube);
    }
    paintCornerStrut(p);
}

void SkinPainter::paintTopShelf(QPainter& p) const
{
    const QPainterPath shelf = materials::roundedBox(kTopShelf, 1.5);
    materials::paintPlate(p, shelf, m_rust, 2.0);
    // Front lip catching the tube light.
    p.fillRect(QRectF(kTopShelf.left(), kTopShelf.top(), kTopShelf.width(), 2),
               QColor(230, 150, 80, 90));
    materials::paintRivet(p, kTopShelf.topLeft() + QPointF(6, 6), 2.2);
    materials::paintRivet(p, kTopShelf.topRight() + QPointF(-6, 6), 2.2);
    materials::paintRivet(p, QPointF(kTopShelf.center().x() + 2, kTopShelf.top() + 6), 2.2);
}

void SkinPainter::paintPerforatedChassis(QPainter& p) const
{
    const QPainterPath chassis = materials::roundedBox(kChassis, 2.0);
    materials::paintPlate(p, chassis, m_rust, 3.0);
    materials::paintGrime(p, chassis, 8, 19);
    // Rows of punched holes showing the dark inside.
    p.save();
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 7; ++row) {
        for (int col = 0; col < 8; ++col) {
            const QPointF c(kChassis.left() + 11 + col * 10.5 + (row % 2) * 5.2,
                            kChassis.top() + 22 + row * 9.5);
            if (c.x() > kChassis.right() - 7) {
                continue;
            }
            p.setBrush(QColor(255, 210, 160, 45));
            p.drawEllipse(c + QPointF(0.6, 0.8), 2.7, 2.7);
            p.setBrush(QColor(8, 5, 3));
            p.drawEllipse(c, 2.6, 2.6);
        }
    }
    p.restore();
    // Rust runs down from the holes.
    noise::Random random(311);
    p.save();
    p.setClipPath(chassis);
    for (int i = 0; i < 14; ++i) {
        const qreal x = random.range(kChassis.left() + 6, kChassis.right() - 6);
        const qreal y = random.range(kChassis.top() + 20, kChassis.bottom() - 20);
        QLinearGradient streak(QPointF(x, y), QPointF(x, y + 22));
        streak.setColorAt(0.0, QColor(120, 52, 18, 140));
        streak.setColorAt(1.0, QColor(120, 52, 18, 0));
        p.fillRect(QRectF(x - 1, y, random.range(1.0f, 2.5f), 22), streak);
    }
    p.restore();
    for (const qreal x : {kChassis.left() + 5, kChassis.right() - 5}) {
        for (const qreal y : {kChassis.top() + 8, kChassis.bottom() - 6}) {
            materials::paintRivet(p, QPointF(x, y), 2.4);
        }
    }
    // The top edge is a lighter folded lip.
    p.fillRect(QRectF(kChassis.left() + 2, kChassis.top(), kChassis.width() - 4, 3),
               QColor(190, 120, 70, 110));
}

void SkinPainter::paintVacuumTube(QPainter& p, const QRectF& glass) const
{
    const qreal cx = glass.center().x();
    const qreal w = glass.width();
    const qreal h = glass.height();

    // Bakelite socket under the glass.
    const QRectF socket(glass.left() - 2, glass.bottom() - 7, w + 4, 9);
    QLinearGradient bakelite(socket.topLeft(), socket.topRight());
    bakelite.setColorAt(0.0, QColor(26, 20, 16));
    bakelite.setColorAt(0.35, QColor(86, 64, 48));
    bakelite.setColorAt(1.0, QColor(14, 10, 8));
    materials::paintDropShadow(p, materials::roundedBox(socket, 2), QPointF(2, 2), 160);
    p.setPen(QPen(QColor(8, 6, 4), 0.8));
    p.setBrush(bakelite);
    p.drawRoundedRect(socket, 2, 2);

    // Envelope: a cylinder with a domed top and the little exhaust tip.
    QPainterPath envelope;
    const qreal domeHeight = w * 0.55;
    envelope.moveTo(glass.left(), glass.bottom() - 6);
    envelope.lineTo(glass.left(), glass.top() + domeHeight);
    envelope.cubicTo(glass.left(), glass.top() + 2, cx - w * 0.2, glass.top(), cx, glass.top());
    envelope.cubicTo(cx + w * 0.2, glass.top(), glass.right(), glass.top() + 2, glass.right(),
                     glass.top() + domeHeight);
    envelope.lineTo(glass.right(), glass.bottom() - 6);
    envelope.closeSubpath();

    // Warm light filling the glass.
    QRadialGradient inside(QPointF(cx, glass.top() + h * 0.55), w * 0.9);
    inside.setColorAt(0.0, QColor(255, 170, 70, 235));
    inside.setColorAt(0.5, QColor(200, 90, 30, 200));
    inside.setColorAt(1.0, QColor(70, 26, 10, 200));
    p.setPen(Qt::NoPen);
    p.setBrush(inside);
    p.drawPath(envelope);

    // Anode: a dark box with a slit through which the cathode glows.
    const QRectF anode(cx - w * 0.3, glass.top() + h * 0.32, w * 0.6, h * 0.46);
    QLinearGradient plate(anode.topLeft(), anode.topRight());
    plate.setColorAt(0.0, QColor(30, 26, 24));
    plate.setColorAt(0.3, QColor(92, 84, 78));
    plate.setColorAt(0.55, QColor(60, 54, 50));
    plate.setColorAt(1.0, QColor(22, 18, 16));
    p.setBrush(plate);
    p.drawRect(anode);
    const QRectF slit(cx - 1.6, anode.top() + 3, 3.2, anode.height() - 6);
    QLinearGradient glow(slit.topLeft(), slit.topRight());
    glow.setColorAt(0.0, QColor(255, 110, 20, 120));
    glow.setColorAt(0.5, QColor(255, 230, 150));
    glow.setColorAt(1.0, QColor(255, 110, 20, 120));
    p.setBrush(glow);
    p.drawRect(slit);
    // The cathode's heat shows through the gaps as an orange bloom.
    p.save();
    p.setClipPath(envelope);
    effects::paintGlow(p, QPointF(cx, anode.center().y()), w * 0.75, QColor(255, 140, 50, 150));
    effects::paintGlow(p, QPointF(cx, anode.bottom() + 2), w * 0.5, QColor(255, 120, 40, 120));
    p.restore();
    // Mica spacers and support rods.
    p.setPen(QPen(QColor(210, 200, 180, 150), 1.0));
    p.drawLine(QPointF(glass.left() + 2, anode.top() - 2),
               QPointF(glass.right() - 2, anode.top() - 2));
    p.drawLine(QPointF(glass.left() + 2, anode.bottom() + 2),
               QPointF(glass.right() - 2, anode.bottom() + 2));
    p.setPen(QPen(QColor(150, 140, 120, 160), 0.8));
    p.drawLine(QPointF(cx - w * 0.36, anode.top() - 6), QPointF(cx - w * 0.36, glass.bottom() - 6));
    p.drawLine(QPointF(cx + w * 0.36, anode.top() - 6), QPointF(cx + w * 0.36, glass.bottom() - 6));

    // Getter flash: a silvery-dark stain inside the dome.
    QLinearGradient getter(QPointF(cx, glass.top()), QPointF(cx, glass.top() + domeHeight + 6));
    getter.setColorAt(0.0, QColor(40, 36, 34, 230));
    getter.setColorAt(0.6, QColor(120, 110, 104, 170));
    getter.setColorAt(1.0, QColor(120, 110, 104, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(getter);
    p.save();
    p.setClipPath(envelope);
    p.drawRect(QRectF(glass.left(), glass.top(), w, domeHeight + 6));
    p.restore();

    // Glass: reflections along the left and a rim on the right.
    p.save();
    p.setClipPath(envelope);
    QLinearGradient sheen(glass.topLeft(), glass.topRight());
    sheen.setColorAt(0.0, QColor(255, 255, 255, 40));
    sheen.setColorAt(0.12, QColor(255, 250, 235, 150));
    sheen.setColorAt(0.22, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.82, QColor(255, 255, 255, 0));
    sheen.setColorAt(0.92, QColor(255, 230, 200, 70));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 10));
    p.fillRect(glass, sheen);
    p.restore();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 220, 180, 90), 0.8));
    p.drawPath(envelope);
    // Exhaust tip.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 130, 110, 200));
    p.drawEllipse(QPointF(cx, glass.top() - 0.5), 1.6, 1.6);
}

void SkinPainter::paintCornerStrut(QPainter& p) const
{
    // A steel brace bolted diagonally across the corner, in front of the tubes.
    QPainterPath strut;
    strut.moveTo(-8, 50);
    strut.lineTo(50, -8);
    strut.lineTo(64, -8);
    strut.lineTo(-8, 64);
    strut.closeSubpath();
    materials::paintDropShadow(p, strut, QPointF(3, 4), 170);
    materials::fillTextured(p, strut, m_steel);
    QLinearGradient shade(QPointF(20, 20), QPointF(28, 28));
    shade.setColorAt(0.0, QColor(255, 250, 240, 60));
    shade.setColorAt(0.5, QColor(0, 0, 0, 0));
    shade.setColorAt(1.0, QColor(0, 0, 0, 90));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawPath(strut);
    materials::paintBevel(p, strut, 2, 110, 150);
    materials::paintScratches(p, strut, 10, 13);
    materials::paintBolt(p, QPointF(7, 50), 4.5);
    materials::paintBolt(p, QPointF(44, 13), 4.5);
}

void SkinPainter::paintPaperStrip(QPainter& p) const
{
    // A yellowed strip of printout pinned along the edge, curling and torn.
    QPainterPath strip;
    strip.moveTo(kPaperStrip.left(), kPaperStrip.top() + 3);
    strip.lineTo(kPaperStrip.left() + 4, kPaperStrip.top());
    strip.lineTo(kPaperStrip.left() + 7, kPaperStrip.top() + 4);
    strip.lineTo(kPaperStrip.right() + 1, kPaperStrip.top() + 1);
    strip.lineTo(kPaperStrip.right() + 1, kPaperStrip.bottom() - 4);
    strip.lineTo(kPaperStrip.right() - 3, kPaperStrip.bottom() + 1);
    strip.lineTo(kPaperStrip.left() + 5, kPaperStrip.bottom() - 2);
    strip.lineTo(kPaperStrip.left(), kPaperStrip.bottom() + 1);
    strip.closeSubpath();
    materials::paintDropShadow(p, strip, QPointF(2, 2), 170);
    QLinearGradient paper(kPaperStrip.topLeft(), kPaperStrip.topRight());
    paper.setColorAt(0.0, QColor(150, 128, 80));
    paper.setColorAt(0.4, QColor(206, 186, 128));
    paper.setColorAt(1.0, QColor(160, 136, 88));
    p.setPen(Qt::NoPen);
    p.setBrush(paper);
    p.drawPath(strip);
    p.save();
    p.setClipPath(strip);
    // Typed marks, faded.
    noise::Random random(83);
    for (qreal y = kPaperStrip.top() + 8; y < kPaperStrip.bottom() - 6; y += 5) {
        qreal x = kPaperStrip.left() + 2;
        while (x < kPaperStrip.right() - 1) {
            const qreal len = random.range(1.0f, 3.0f);
            if (random.uniform() < 0.7f) {
                p.fillRect(QRectF(x, y, len, 1.4), QColor(60, 46, 30, random.below(80) + 90));
            }
            x += len + 1.2;
        }
    }
    // Damp stains and a brown edge.
    materials::paintGrime(p, strip, 6, 91);
    QLinearGradient edge(kPaperStrip.topLeft(), kPaperStrip.topRight());
    edge.setColorAt(0.0, QColor(90, 60, 20, 120));
    edge.setColorAt(0.25, QColor(0, 0, 0, 0));
    edge.setColorAt(0.8, QColor(0, 0, 0, 0));
    edge.setColorAt(1.0, QColor(90, 60, 20, 100));
    p.fillRect(kPaperStrip, edge);
    p.restore();
    // Pins.
    materials::paintRivet(p, QPointF(kPaperStrip.center().x(), kPaperStrip.top() + 9), 1.8);
    materials::paintRivet(p, QPointF(kPaperStrip.center().x(), kPaperStrip.bottom() - 8), 1.8);
}

void SkinPainter::paintHeadScreenFrame(QPainter& p) const
{
    QPainterPath frame = materials::roundedBox(kHeadFrame, 4);
    frame = frame.subtracted(rectPath(kHeadHole));
    materials::paintDropShadow(p, frame, QPointF(2, 3), 180);
    materials::fillTextured(p, frame, m_gunmetal);
    materials::paintGrime(p, frame, 14, 29);
    materials::paintScratches(p, frame, 40, 31);
    materials::paintRustStreaks(p, frame, 16, 32);
    materials::paintBevel(p, materials::roundedBox(kHeadFrame, 4), 3, 90, 160);
    // The lip round the hole is turned inwards: shaded on top, lit below.
    const QRectF lip = kHeadHole.adjusted(-4, -4, 4, 4);
    const QPainterPath lipPath = rectPath(lip).subtracted(rectPath(kHeadHole));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(14, 14, 15));
    p.drawPath(lipPath);
    p.fillRect(QRectF(lip.left(), lip.bottom() - 2, lip.width(), 2), QColor(110, 108, 100, 170));
    p.fillRect(QRectF(lip.right() - 2, lip.top(), 2, lip.height()), QColor(90, 88, 82, 150));
    p.fillRect(QRectF(lip.left(), lip.top(), lip.width(), 2), QColor(0, 0, 0, 200));
    // Rivets along the frame.
    for (qreal x = kHeadFrame.left() + 7; x < kHeadFrame.right() - 4; x += 26) {
        materials::paintRivet(p, QPointF(x, kHeadFrame.bottom() - 4.5), 2.2);
    }
    for (qreal y = kHeadFrame.top() + 14; y < kHeadFrame.bottom() - 8; y += 26) {
        materials::paintRivet(p, QPointF(kHeadFrame.left() + 4.5, y), 2.2);
        materials::paintRivet(p, QPointF(kHeadFrame.right() - 4.5, y), 2.2);
    }
}

void SkinPainter::paintInputBoard(QPainter& p) const
{
    // Rusty plate behind the board, between the tube bay and the right bay.
    const QPainterPath backing = rectPath(pixelBox(111, 200, 530, 289));
    materials::fillTextured(p, backing, m_rust);
    materials::paintGrime(p, backing, 10, 43);
    materials::paintBevel(p, backing, 2, 60, 120);

    const QPainterPath board = materials::roundedBox(kInputBoard, 2);
    materials::paintDropShadow(p, board, QPointF(2, 3), 200);
    p.setPen(Qt::NoPen);
    QLinearGradient face(kInputBoard.topLeft(), kInputBoard.bottomLeft());
    face.setColorAt(0.0, QColor(58, 60, 60));
    face.setColorAt(1.0, QColor(36, 38, 38));
    p.setBrush(face);
    p.drawPath(board);
    p.save();
    p.setClipPath(board);
    // The grid, etched into the board.
    for (qreal x = kInputBoard.left() + 3.5; x < kInputBoard.right(); x += 6) {
        p.setPen(QPen(QColor(20, 22, 22, 200), 1.0));
        p.drawLine(QPointF(x, kInputBoard.top()), QPointF(x, kInputBoard.bottom() - 10));
    }
    for (qreal y = kInputBoard.top() + 3.5; y < kInputBoard.bottom() - 10; y += 6) {
        p.setPen(QPen(QColor(20, 22, 22, 200), 1.0));
        p.drawLine(QPointF(kInputBoard.left(), y), QPointF(kInputBoard.right(), y));
        p.setPen(QPen(QColor(120, 124, 120, 50), 1.0));
        p.drawLine(QPointF(kInputBoard.left(), y + 1), QPointF(kInputBoard.right(), y + 1));
    }
    materials::paintGrime(p, board, 8, 47);
    p.restore();
    // Pins along the lower edge.
    for (qreal x = kInputBoard.left() + 6; x < kInputBoard.right() - 3; x += 8) {
        const QRectF pin(x - 1.5, kInputBoard.bottom() - 7, 3, 6);
        QLinearGradient metal(pin.topLeft(), pin.topRight());
        metal.setColorAt(0.0, QColor(90, 80, 60));
        metal.setColorAt(0.4, QColor(220, 200, 150));
        metal.setColorAt(1.0, QColor(70, 60, 44));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, 150));
        p.drawRect(pin.translated(1, 1));
        p.setBrush(metal);
        p.drawRect(pin);
    }
    materials::paintBevel(p, board, 2, 70, 150);
    for (const QPointF c :
         {kInputBoard.topLeft() + QPointF(5, 5), kInputBoard.topRight() + QPointF(-5, 5)}) {
        materials::paintScrew(p, c, 2.5, 30);
    }
}

void SkinPainter::paintRightBay(QPainter& p) const
{
    const QPainterPath bay = rectPath(kRightBay);
    materials::fillTextured(p, bay, m_rust);
    QLinearGradient depth(kRightBay.topLeft(), kRightBay.bottomLeft());
    depth.setColorAt(0.0, QColor(0, 0, 0, 150));
    depth.setColorAt(1.0, QColor(0, 0, 0, 60));
    p.fillRect(kRightBay, depth);
    materials::paintScratches(p, bay, 20, 53);
    materials::paintBevel(p, bay, 3, 0, 160);
    paintWireBundles(p);
    paintWireStrut(p);
    paintLoudspeaker(p);
    paintComponentBoard(p);
}

void SkinPainter::paintWireBundles(QPainter& p) const
{
    // Insulated wires fall from the corner and bend away behind the head frame.
    struct Wire
    {
        QColor colour;
        qreal startX;
        qreal endY;
        qreal thickness;
    };
    const Wire wires[] = {
        {QColor(170, 30, 24), 632, 70, 4.0},   {QColor(190, 40, 30), 626, 76, 3.5},
        {QColor(48, 120, 52), 620, 64, 4.0},   {QColor(200, 196, 180), 614, 82, 3.5},
        {QColor(150, 26, 22), 608, 88, 3.0},   {QColor(40, 104, 46), 602, 58, 3.5},
        {QColor(210, 206, 190), 596, 92, 3.0}, {QColor(176, 36, 28), 589, 52, 3.5},
        {QColor(56, 130, 60), 582, 96, 3.0},   {QColor(190, 186, 170), 575, 46, 3.0},
    };
    for (const Wire& wire : wires) {
        QPainterPath path;
        path.moveTo(wire.startX, -4);
        path.cubicTo(wire.startX, wire.endY * 0.6, wire.startX - 20, wire.endY, 520, wire.endY + 4);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(0, 0, 0, 160), wire.thickness + 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path.translated(1.5, 2));
        p.setPen(QPen(wire.colour.darker(170), wire.thickness + 0.8, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
        p.setPen(QPen(wire.colour, wire.thickness - 0.6, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path);
        p.setPen(
            QPen(wire.colour.lighter(160), wire.thickness * 0.25, Qt::SolidLine, Qt::RoundCap));
        p.drawPath(path.translated(-wire.thickness * 0.2, -wire.thickness * 0.2));
    }
}

void SkinPainter::paintWireStrut(QPainter& p) const
{
    QPainterPath strut;
    strut.moveTo(548, -8);
    strut.lineTo(562, -8);
    strut.lineTo(645, 75);
    strut.lineTo(645, 89);
    strut.closeSubpath();
    materials::paintDropShadow(p, strut, QPointF(-2, 4), 180);
    materials::fillTextured(p, strut, m_steel);
    materials::paintBevel(p, strut, 2, 110, 150);
    materials::paintScratches(p, strut, 8, 61);
    materials::paintBolt(p, QPointF(560, 4), 4.5);
    materials::paintBolt(p, QPointF(628, 69), 4.5);
}

void SkinPainter::paintLoudspeaker(QPainter& p) const
{
    const QPainterPath mount = materials::roundedBox(kSpeakerMount, 3);
    materials::paintPlate(p, mount, m_gunmetal, 3);
    materials::paintScratches(p, mount, 12, 67);
    const qreal inset = 6.5;
    materials::paintScrew(p, kSpeakerMount.topLeft() + QPointF(inset, inset), 3.0, 20);
    materials::paintScrew(p, kSpeakerMount.topRight() + QPointF(-inset, inset), 3.0, 75);
    materials::paintScrew(p, kSpeakerMount.bottomLeft() + QPointF(inset, -inset), 3.0, -40);
    materials::paintScrew(p, kSpeakerMount.bottomRight() + QPointF(-inset, -inset), 3.0, 5);

    const QPointF c = kSpeakerMount.center();
    const qreal r = 41;
    // Rim: a pressed steel ring.
    QConicalGradient ring(c, 135);
    ring.setColorAt(0.0, QColor(200, 196, 186));
    ring.setColorAt(0.25, QColor(90, 88, 84));
    ring.setColorAt(0.5, QColor(40, 38, 36));
    ring.setColorAt(0.75, QColor(96, 92, 86));
    ring.setColorAt(1.0, QColor(200, 196, 186));
    p.setPen(QPen(QColor(10, 10, 10), 1.0));
    p.setBrush(ring);
    p.drawEllipse(c, r, r);
    // Cone: dark paper with concentric ridges, lit from the upper left.
    QRadialGradient cone(c - QPointF(6, 6), r);
    cone.setColorAt(0.0, QColor(70, 64, 58));
    cone.setColorAt(0.5, QColor(34, 30, 28));
    cone.setColorAt(1.0, QColor(12, 11, 10));
    p.setBrush(cone);
    p.setPen(QPen(QColor(0, 0, 0), 1.0));
    p.drawEllipse(c, r - 5, r - 5);
    p.setBrush(Qt::NoBrush);
    for (qreal rr = r - 10; rr > 12; rr -= 5) {
        p.setPen(QPen(QColor(0, 0, 0, 150), 1.0));
        p.drawEllipse(c, rr, rr);
        p.setPen(QPen(QColor(130, 120, 110, 50), 0.8));
        p.drawArc(QRectF(c.x() - rr + 0.8, c.y() - rr + 0.8, 2 * rr, 2 * rr), 60 * 16, 120 * 16);
    }
    // Dust cap.
    QRadialGradient cap(c - QPointF(3, 3), 12);
    cap.setColorAt(0.0, QColor(110, 100, 90));
    cap.setColorAt(1.0, QColor(20, 18, 16));
    p.setBrush(cap);
    p.setPen(QPen(QColor(0, 0, 0), 1.0));
    p.drawEllipse(c, 10, 10);
    // Glint.
    p.setPen(Qt::NoPen);
    QRadialGradient glint(c - QPointF(16, 18), 9);
    glint.setColorAt(0.0, QColor(255, 250, 235, 190));
    glint.setColorAt(1.0, QColor(255, 250, 235, 0));
    p.setBrush(glint);
    p.drawEllipse(c - QPointF(16, 18), 11, 6);
    p.setBrush(QColor(255, 255, 245, 220));
    p.drawEllipse(c - QPointF(4.5, 5), 2.2, 1.6);
}

void SkinPainter::paintComponentBoard(QPainter& p) const
{
    const QPainterPath board = materials::roundedBox(kComponentBoard, 2);
    materials::paintDropShadow(p, board, QPointF(2, 3), 170);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(52, 44, 30));
    p.drawPath(board);
    materials::fillTextured(p, board, m_olive);
    p.fillRect(kComponentBoard, QColor(0, 0, 0, 90));
    // Solder pads.
    p.save();
    p.setClipPath(board);
    for (qreal y = kComponentBoard.top() + 4; y < kComponentBoard.bottom(); y += 6) {
        for (qreal x = kComponentBoard.left() + 4; x < kComponentBoard.right(); x += 6) {
            p.setBrush(QColor(120, 96, 56, 90));
            p.drawEllipse(QPointF(x, y), 1.1, 1.1);
        }
    }
    p.restore();
    materials::paintBevel(p, board, 2, 80, 140);

    const QColor brownBlackRed[4] = {QColor(110, 60, 30), QColor(20, 20, 20), QColor(190, 40, 30),
                                     QColor(200, 170, 60)};
    const QColor yellowVioletBrown[4] = {QColor(220, 190, 40), QColor(120, 60, 150),
                                         QColor(110, 60, 30), QColor(200, 170, 60)};
    const QColor redRedOrange[4] = {QColor(190, 40, 30), QColor(190, 40, 30), QColor(220, 120, 30),
                                    QColor(180, 180, 180)};
    paintResistor(p, QPointF(536, 214), QPointF(586, 214), brownBlackRed);
    paintResistor(p, QPointF(536, 228), QPointF(586, 228), yellowVioletBrown);
    paintResistor(p, QPointF(592, 212), QPointF(630, 232), redRedOrange);
    paintCoil(p, pixelBox(540, 240, 586, 274));
    paintCapacitor(p, pixelBox(598, 240, 624, 280));
    for (const QPointF c : {kComponentBoard.bottomLeft() + QPointF(4, -4),
                            kComponentBoard.bottomRight() + QPointF(-4, -4)}) {
        materials::paintScrew(p, c, 2.3, 45);
    }
}

void SkinPainter::paintResistor(QPainter& p, QPointF from, QPointF to, const QColor bands[4]) const
{
    const QPointF d = to - from;
    const qreal length = std::hypot(d.x(), d.y());
    p.save();
    p.translate(from);
    p.rotate(std::atan2(d.y(), d.x()) * 180.0 / M_PI);
    // Leads.
    p.setPen(QPen(QColor(0, 0, 0, 120), 1.4));
    p.drawLine(QPointF(0, 1), QPointF(length, 1));
    p.setPen(QPen(QColor(190, 186, 176), 1.0));
    p.drawLine(QPointF(0, 0), QPointF(length, 0));
    // Body.
    const QRectF body(length * 0.25, -3.5, length * 0.5, 7);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 130));
    p.drawRoundedRect(body.translated(1, 1.5), 3, 3);
    QLinearGradient shade(body.topLeft(), body.bottomLeft());
    shade.setColorAt(0.0, QColor(236, 212, 164));
    shade.setColorAt(0.5, QColor(196, 166, 116));
    shade.setColorAt(1.0, QColor(96, 76, 48));
    p.setBrush(shade);
    p.drawRoundedRect(body, 3, 3);
    for (int i = 0; i < 4; ++i) {
        const qreal x = body.left() + body.width() * (0.2 + 0.17 * i + (i == 3 ? 0.08 : 0));
        QLinearGradient band(QPointF(x, body.top()), QPointF(x, body.bottom()));
        band.setColorAt(0.0, bands[i].lighter(130));
        band.setColorAt(1.0, bands[i].darker(180));
        p.setBrush(band);
        p.drawRect(QRectF(x, body.top() + 0.5, 2, body.height() - 1));
    }
    p.restore();
}

void SkinPainter::paintCoil(QPainter& p, const QRectF& body) const
{
    // Red enamelled copper wound round a dark former.
    const QRectF former = body.adjusted(0, body.height() * 0.15, 0, -body.height() * 0.15);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawRoundedRect(former.translated(2, 2), 3, 3);
    p.setBrush(QColor(30, 24, 20));
    p.drawRoundedRect(QRectF(former.left(), body.top(), 4, body.height()), 1, 1);
    p.drawRoundedRect(QRectF(former.right() - 4, body.top(), 4, body.height()), 1, 1);
    for (qreal x = former.left() + 4.5; x < former.right() - 4.5; x += 1.6) {
        QLinearGradient turn(QPointF(x, former.top()), QPointF(x, former.bottom()));
        turn.setColorAt(0.0, QColor(120, 30, 14));
        turn.setColorAt(0.3, QColor(236, 120, 80));
        turn.setColorAt(0.55, QColor(178, 50, 26));
        turn.setColorAt(1.0, QColor(60, 12, 6));
        p.setBrush(turn);
        p.drawRoundedRect(QRectF(x, former.top() + 0.5, 1.3, former.height() - 1), 0.6, 0.6);
    }
    // Leads.
    p.setPen(QPen(QColor(200, 110, 60), 1.0));
    p.drawLine(QPointF(former.left(), body.center().y()),
               QPointF(former.left() - 4, body.bottom() + 4));
    p.drawLine(QPointF(former.right(), body.center().y()),
               QPointF(former.right() + 4, body.bottom() + 4));
}

void SkinPainter::paintCapacitor(QPainter& p, const QRectF& body) const
{
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 150));
    p.drawRoundedRect(body.translated(2, 2), 4, 4);
    QLinearGradient can(body.topLeft(), body.topRight());
    can.setColorAt(0.0, QColor(10, 60, 66));
    can.setColorAt(0.3, QColor(70, 170, 172));
    can.setColorAt(0.45, QColor(36, 128, 132));
    can.setColorAt(1.0, QColor(8, 44, 50));
    p.setBrush(can);
    p.drawRoundedRect(body, 4, 4);
    // Polarity stripe and the crimp ring near the top.
    p.setBrush(QColor(180, 210, 206, 140));
    p.drawRect(QRectF(body.right() - 8, body.top() + 4, 3, body.height() - 8));
    p.setBrush(QColor(0, 20, 24, 160));
    p.drawRect(QRectF(body.left(), body.top() + 6, body.width(), 1.5));
    // Silver top with its vent cross.
    const QRectF top(body.left() + 1, body.top() - 2, body.width() - 2, 6);
    QLinearGradient metal(top.topLeft(), top.topRight());
    metal.setColorAt(0.0, QColor(90, 94, 96));
    metal.setColorAt(0.4, QColor(220, 224, 222));
    metal.setColorAt(1.0, QColor(80, 84, 86));
    p.setBrush(metal);
    p.drawEllipse(top);
    p.setPen(QPen(QColor(40, 44, 46), 0.7));
    p.drawLine(QPointF(top.center().x() - 5, top.center().y()),
               QPointF(top.center().x() + 5, top.center().y()));
}

void SkinPainter::paintLowerBand(QPainter& p) const
{
    const QPainterPath band = rectPath(kLowerBand);
    materials::fillTextured(p, band, m_olive);
    materials::paintGrime(p, band, 24, 101);
    materials::paintScratches(p, band, 60, 103);
    materials::paintRustStreaks(p, band, 40, 104);
    // The seam along the band's top edge, with its row of rivets.
    p.fillRect(QRectF(kLowerBand.left(), kLowerBandTop, kLowerBand.width(), 2),
               QColor(0, 0, 0, 200));
    p.fillRect(QRectF(kLowerBand.left(), kLowerBandTop + 2, kLowerBand.width(), 1),
               QColor(200, 200, 150, 80));
    for (qreal x = 100; x < 560; x += 40) {
        // The conversation frame covers these; the ones left peek past its sides.
        materials::paintRivet(p, QPointF(x, kLowerBandTop + 5), 2.0);
    }
}

void SkinPainter::paintButtonPlate(QPainter& p, const QRectF& plate, const QString& label,
                                   const QRectF& labelInk, const QRectF& stripes) const
{
    const QPainterPath shape = materials::roundedBox(plate, 3);
    materials::paintPlate(p, shape, m_olive, 2.5);
    materials::paintScratches(p, shape, 6, static_cast<std::uint32_t>(plate.top()));
    materials::paintEdgeWear(p, shape, static_cast<std::uint32_t>(plate.top()) + 3);
    materials::paintRustStreaks(p, shape, 4, static_cast<std::uint32_t>(plate.top()) + 5);
    materials::paintGrime(p, shape, 3, static_cast<std::uint32_t>(plate.top()) + 7);
    for (const QPointF c :
         {plate.topLeft() + QPointF(4.5, 4.5), plate.topRight() + QPointF(-4.5, 4.5),
          plate.bottomLeft() + QPointF(4.5, -4.5), plate.bottomRight() + QPointF(-4.5, -4.5)}) {
        materials::paintRivet(p, c, 2.0);
    }
    materials::paintHazardPad(p, stripes);
    paintLabel(p, text::fitted(label, text::Face::SansBold, labelInk));
}

void SkinPainter::paintLabel(QPainter& p, const QPainterPath& glyphs) const
{
    // Stencilled white paint with a dark shadow so it reads on any plate.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 200));
    p.drawPath(glyphs.translated(1, 1));
    p.setBrush(QColor(246, 244, 236));
    p.drawPath(glyphs);
    p.restore();
}

void SkinPainter::paintConversationFrame(QPainter& p) const
{
    QPainterPath frame = materials::roundedBox(kConversationFrame, 5);
    materials::paintDropShadow(p, frame, QPointF(2, 3), 200);
    materials::fillTextured(p, frame, m_steel);
    p.fillRect(kConversationFrame, QColor(30, 24, 10, 110));
    materials::paintGrime(p, frame, 16, 107);
    materials::paintScratches(p, frame, 30, 109);
    materials::paintRustStreaks(p, frame, 14, 110);
    materials::paintBevel(p, frame, 3, 110, 170);
    // A stepped recess round the screen: a dark groove then a lit inner lip.
    const QRectF groove = kConversationScreen.adjusted(-6, -6, 6, 6);
    p.fillRect(groove, QColor(20, 18, 14));
    materials::paintBevel(p, rectPath(groove), 3, 0, 150);
    const QRectF lip = kConversationScreen.adjusted(-2, -2, 2, 2);
    p.fillRect(lip, QColor(60, 58, 52));
    p.fillRect(QRectF(lip.left(), lip.bottom() - 1, lip.width(), 1), QColor(150, 146, 130));
    p.fillRect(QRectF(lip.right() - 1, lip.top(), 1, lip.height()), QColor(130, 126, 112));
    p.fillRect(kConversationScreen, Qt::black);
    materials::paintBolt(p, kLeftScreenBolt, 6.5);
    materials::paintBolt(p, kRightScreenBolt, 6.5);
    for (const QPointF c : {kConversationFrame.topLeft() + QPointF(7, 7),
                            kConversationFrame.topRight() + QPointF(-7, 7),
                            kConversationFrame.bottomLeft() + QPointF(7, -7),
                            kConversationFrame.bottomRight() + QPointF(-7, -7)}) {
        materials::paintScrew(p, c, 2.6, c.x() * 3);
    }
}

void SkinPainter::paintRightColumnPlate(QPainter& p) const
{
    const QPainterPath shape = materials::roundedBox(kRightColumnPlate, 3);
    materials::paintPlate(p, shape, m_olive, 2.5);
    materials::paintScratches(p, shape, 10, 113);
    materials::paintEdgeWear(p, shape, 114);
    materials::paintRustStreaks(p, shape, 6, 115);
    for (const QPointF c : {kRightColumnPlate.topLeft() + QPointF(5, 5),
                            kRightColumnPlate.topRight() + QPointF(-5, 5),
                            kRightColumnPlate.bottomLeft() + QPointF(5, -5),
                            kRightColumnPlate.bottomRight() + QPointF(-5, -5)}) {
        materials::paintRivet(p, c, 2.0);
    }
}

void SkinPainter::paintLampPlate(QPainter& p, const QRectF& plate, QPointF lampCentre) const
{
    const QPainterPath shape = materials::roundedBox(plate, 3);
    materials::paintPlate(p, shape, m_steel, 2.0);
    p.fillRect(plate, QColor(40, 30, 10, 70));
    for (const QPointF c :
         {plate.topLeft() + QPointF(4, 4), plate.topRight() + QPointF(-4, 4),
          plate.bottomLeft() + QPointF(4, -4), plate.bottomRight() + QPointF(-4, -4)}) {
        materials::paintRivet(p, c, 1.8);
    }
    paintRedLamp(p, lampCentre, 7.5);
}

void SkinPainter::paintRedLamp(QPainter& p, QPointF centre, qreal radius) const
{
    // Bezel, then a red glass dome lit from within.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 160));
    p.drawEllipse(centre + QPointF(1, 1.5), radius + 2, radius + 2);
    QConicalGradient bezel(centre, 135);
    bezel.setColorAt(0.0, QColor(220, 214, 200));
    bezel.setColorAt(0.5, QColor(40, 36, 32));
    bezel.setColorAt(1.0, QColor(220, 214, 200));
    p.setBrush(bezel);
    p.drawEllipse(centre, radius + 1.8, radius + 1.8);
    QRadialGradient glass(centre - QPointF(radius * 0.3, radius * 0.35), radius * 1.3);
    glass.setColorAt(0.0, QColor(255, 170, 140));
    glass.setColorAt(0.25, QColor(236, 40, 24));
    glass.setColorAt(0.8, QColor(120, 8, 6));
    glass.setColorAt(1.0, QColor(60, 4, 4));
    p.setBrush(glass);
    p.drawEllipse(centre, radius, radius);
    p.setBrush(QColor(255, 240, 230, 200));
    p.drawEllipse(centre - QPointF(radius * 0.38, radius * 0.42), radius * 0.25, radius * 0.18);
    effects::paintGlow(p, centre, radius * 2.4, QColor(255, 40, 20, 70));
}

void SkinPainter::paintCloseEmblem(QPainter& p) const
{
    const QPainterPath recess = materials::roundedBox(kCloseRecess, 4);
    materials::paintPlate(p, recess, m_gunmetal, 2.0);
    materials::paintBevel(p, recess, 2, 0, 120);

    const QPointF hub = kCloseEmblem.center();
    const qreal ringOuter = kCloseEmblem.height() / 2.0;
    QPainterPath emblem;
    emblem.addEllipse(hub, ringOuter, ringOuter);
    emblem.addEllipse(hub, ringOuter - 3, ringOuter - 3); // odd-even fill leaves a ring
    QPainterPath solid;
    solid.addEllipse(hub, 3.2, 3.2);
    for (int i = 0; i < 6; ++i) {
        QPainterPath spoke;
        spoke.addRect(QRectF(-0.9, 0, 1.8, ringOuter - 2));
        solid.addPath(QTransform().translate(hub.x(), hub.y()).rotate(30 + 60 * i).map(spoke));
    }
    // Three feathers a side, shorter towards the bottom, like a pair of wings.
    const qreal wingLengths[3] = {11, 9, 7};
    for (int i = 0; i < 3; ++i) {
        const qreal y = kCloseEmblem.top() + 3 + i * 6.5;
        const qreal len = wingLengths[i];
        solid.addRoundedRect(QRectF(hub.x() - ringOuter - 1 - len, y, len + 1.5, 3.2), 1.4, 1.4);
        solid.addRoundedRect(QRectF(hub.x() + ringOuter - 0.5, y, len + 1.5, 3.2), 1.4, 1.4);
    }
    emblem = emblem.united(solid);
    materials::paintDropShadow(p, emblem, QPointF(1, 1.5), 200);
    QLinearGradient metal(kCloseEmblem.topLeft(), kCloseEmblem.bottomLeft());
    metal.setColorAt(0.0, QColor(240, 234, 214));
    metal.setColorAt(0.55, QColor(190, 182, 160));
    metal.setColorAt(1.0, QColor(118, 110, 94));
    p.setPen(Qt::NoPen);
    p.setBrush(metal);
    p.drawPath(emblem);
    materials::paintBevel(p, emblem, 1.0, 140, 160);
}

void SkinPainter::paintTubeLight(QPainter& p) const
{
    // The tubes are the only warm light: halos round them, a wash over the
    // metal near them, and a rim of light on the head frame's near edge.
    for (const QRectF& tube : kUpperTubes) {
        effects::paintGlow(p, tube.center() + QPointF(0, 6), 56, QColor(255, 130, 50, 120));
    }
    for (const QRectF& tube : kLowerTubes) {
        effects::paintGlow(p, tube.center() + QPointF(0, 6), 58, QColor(255, 130, 50, 120));
    }
    effects::paintGlow(p, QPointF(64, 150), 230, QColor(255, 120, 50, 55));
    effects::paintGlow(p, QPointF(330, 300), 340, QColor(255, 150, 80, 14));
    QLinearGradient rim(QPointF(kHeadFrame.left(), 0), QPointF(kHeadFrame.left() + 10, 0));
    rim.setColorAt(0.0, QColor(255, 140, 60, 70));
    rim.setColorAt(1.0, QColor(255, 140, 60, 0));
    p.save();
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    p.fillRect(QRectF(kHeadFrame.left(), kHeadFrame.top(), 10, kHeadFrame.height()), rim);
    p.restore();
}
