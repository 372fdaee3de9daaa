#include "IconPainter.h"

#include <algorithm>
#include <cmath>

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include "Effects.h"
#include "Noise.h"

namespace {

// The cartoon is drawn on a 100 x 100 grid, the portrait on 256 x 256,
// and both are scaled to the size asked for.
constexpr qreal kCartoonGrid = 100.0;
constexpr int kPortraitGrid = 256;

} // namespace

namespace {

// The 16-colour images keep to plain display colours: grey skin, pure yellow.
IconPainter::CartoonInks inksFor(IconPainter::Colours colours)
{
    if (colours == IconPainter::Colours::Sixteen) {
        return {QColor(192, 192, 192), QColor(255, 255, 0), QColor(128, 0, 0), Qt::black, false};
    }
    return {QColor(244, 196, 150), QColor(255, 214, 40), QColor(150, 30, 30), Qt::black, true};
}

} // namespace

QImage IconPainter::cartoonFace(int size, Colours colours) const
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    // At 16 pixels smoothing only smears the features, and with 16 colours its
    // in-between shades turn into grey smudges: draw hard pixels there.
    const bool tiny = size <= 16;
    p.setRenderHint(QPainter::Antialiasing, !tiny && colours != Colours::Sixteen);
    p.scale(size / kCartoonGrid, size / kCartoonGrid);
    const CartoonInks inks = inksFor(colours);
    // Outlines one pixel wide when tiny, a little bolder above.
    p.setPen(QPen(inks.outline, tiny ? kCartoonGrid / size : 4.5, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    paintCartoonHead(p, inks);
    paintQuiff(p, inks);
    paintCartoonEyes(p, inks);
    paintGrin(p, inks);
    return image;
}

void IconPainter::paintCartoonHead(QPainter& p, const CartoonInks& inks) const
{
    p.save();
    p.setBrush(inks.skin);
    p.drawEllipse(QPointF(14, 60), 8, 11); // ears
    p.drawEllipse(QPointF(86, 60), 8, 11);
    QPainterPath head;
    head.moveTo(18, 46);
    head.cubicTo(16, 80, 34, 96, 50, 96);
    head.cubicTo(66, 96, 84, 80, 82, 46);
    head.cubicTo(80, 26, 20, 26, 18, 46);
    p.drawPath(head);
    if (inks.shaded) {
        p.setPen(Qt::NoPen);
        QRadialGradient cheeks(QPointF(40, 52), 44);
        cheeks.setColorAt(0.0, QColor(255, 230, 200, 120));
        cheeks.setColorAt(1.0, QColor(210, 130, 90, 45));
        p.setBrush(cheeks);
        p.drawPath(head);
    }
    p.restore();
}

void IconPainter::paintQuiff(QPainter& p, const CartoonInks& inks) const
{
    // A big swept-up quiff curling over to the right.
    QPainterPath quiff;
    quiff.moveTo(17, 48);
    quiff.cubicTo(10, 26, 26, 7, 56, 7);
    quiff.cubicTo(76, 7, 94, 12, 92, 23);
    quiff.cubicTo(86, 16, 74, 16, 70, 20);
    quiff.cubicTo(80, 26, 84, 36, 83, 48);
    quiff.cubicTo(74, 34, 56, 30, 40, 32);
    quiff.cubicTo(30, 34, 22, 40, 17, 48);
    p.save();
    p.setBrush(inks.hair);
    p.drawPath(quiff);
    // One strand line gives the sweep its direction.
    p.setPen(QPen(inks.outline, p.pen().widthF() * 0.45, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath strand;
    strand.moveTo(30, 30);
    strand.cubicTo(32, 18, 46, 12, 66, 12);
    p.drawPath(strand);
    p.restore();
}

void IconPainter::paintCartoonEyes(QPainter& p, const CartoonInks& inks) const
{
    p.save();
    // Open eye on the viewer's left.
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(36, 54), 9, 10);
    p.setPen(Qt::NoPen);
    p.setBrush(inks.outline);
    p.drawEllipse(QPointF(38, 56), 4.5, 5);
    p.restore();
    p.save();
    p.setBrush(Qt::NoBrush);
    // Winking eye: a closed, smiling lid.
    QPainterPath wink;
    wink.moveTo(56, 56);
    wink.quadTo(65, 48, 74, 56);
    p.drawPath(wink);
    // Raised brow over the open eye.
    QPainterPath brow;
    brow.moveTo(27, 40);
    brow.quadTo(36, 34, 45, 40);
    p.drawPath(brow);
    p.restore();
}

void IconPainter::paintGrin(QPainter& p, const CartoonInks& inks) const
{
    QPainterPath mouth;
    mouth.moveTo(30, 70);
    mouth.quadTo(52, 76, 74, 66);
    mouth.cubicTo(72, 84, 58, 90, 50, 90);
    mouth.cubicTo(38, 90, 30, 82, 30, 70);
    p.save();
    p.setBrush(inks.mouth);
    p.drawPath(mouth);
    // Teeth along the top of the grin.
    p.setClipPath(mouth);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    QPainterPath teeth;
    teeth.moveTo(28, 66);
    teeth.quadTo(52, 74, 76, 62);
    teeth.lineTo(76, 74);
    teeth.quadTo(52, 84, 28, 76);
    teeth.closeSubpath();
    p.drawPath(teeth);
    p.restore();
    p.save();
    p.setBrush(Qt::NoBrush);
    p.drawPath(mouth);
    p.restore();
}

QImage IconPainter::portrait(int size) const
{
    QImage canvas(kPortraitGrid, kPortraitGrid, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        paintPortraitBackground(p);
        paintPortraitShoulders(p);
        paintPortraitFace(p);
        paintPortraitEyes(p);
        paintPortraitNoseAndMouth(p);
        paintMoustache(p);
        paintPortraitHair(p);
    }
    // Soften the shapes into paint, then lay brush strokes over them in the
    // colours beneath, so the face reads as painted rather than drawn.
    QImage soft = effects::blurred(canvas, 3);
    {
        QPainter p(&soft);
        p.setOpacity(0.35);
        p.drawImage(0, 0, canvas);
    }
    paintBrushStrokes(soft);
    soft = effects::blurred(soft, 1);
    effects::addGrain(soft, 4, 8080);
    if (size == kPortraitGrid) {
        return soft;
    }
    return soft.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void IconPainter::paintBrushStrokes(QImage& picture) const
{
    const QImage source = picture.copy();
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    noise::Random random(2323);
    for (int i = 0; i < 7000; ++i) {
        const QPointF at(random.range(4, kPortraitGrid - 4), random.range(4, kPortraitGrid - 4));
        const QRgb under = source.pixel(at.toPoint());
        if (qAlpha(under) < 250) {
            continue; // keep the rounded outline clean
        }
        const qreal angle = 1.1 + random.range(-0.5f, 0.5f);
        const qreal length = random.range(3.0f, 8.0f);
        const QPointF along(std::cos(angle) * length / 2, std::sin(angle) * length / 2);
        QColor colour = QColor::fromRgb(under);
        const int shift = random.below(17) - 8;
        colour = QColor(std::clamp(colour.red() + shift, 0, 255),
                        std::clamp(colour.green() + shift, 0, 255),
                        std::clamp(colour.blue() + shift, 0, 255), 120);
        p.setPen(QPen(colour, random.range(1.5f, 3.0f), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(at - along, at + along);
    }
}

void IconPainter::paintPortraitBackground(QPainter& p) const
{
    // A warm, dark studio backdrop in a rounded frame.
    QRadialGradient backdrop(QPointF(100, 80), 220);
    backdrop.setColorAt(0.0, QColor(120, 92, 62));
    backdrop.setColorAt(0.6, QColor(60, 42, 30));
    backdrop.setColorAt(1.0, QColor(22, 16, 12));
    p.setPen(Qt::NoPen);
    p.setBrush(backdrop);
    p.drawRoundedRect(QRectF(6, 6, 244, 244), 36, 36);
}

void IconPainter::paintPortraitShoulders(QPainter& p) const
{
    QPainterPath coat;
    coat.moveTo(20, 256);
    coat.cubicTo(24, 214, 60, 196, 100, 188);
    coat.lineTo(156, 188);
    coat.cubicTo(196, 196, 232, 214, 236, 256);
    coat.closeSubpath();
    QLinearGradient cloth(QPointF(20, 190), QPointF(236, 256));
    cloth.setColorAt(0.0, QColor(70, 62, 52));
    cloth.setColorAt(0.5, QColor(40, 36, 32));
    cloth.setColorAt(1.0, QColor(16, 14, 12));
    p.setBrush(cloth);
    p.drawPath(coat);
    // Neck and an open collar.
    QLinearGradient neck(QPointF(108, 170), QPointF(150, 170));
    neck.setColorAt(0.0, QColor(176, 122, 94));
    neck.setColorAt(1.0, QColor(100, 62, 46));
    p.setBrush(neck);
    p.drawRect(QRectF(108, 160, 42, 44));
    // The jaw's shadow on the neck.
    QLinearGradient underJaw(QPointF(0, 176), QPointF(0, 200));
    underJaw.setColorAt(0.0, QColor(50, 26, 20, 170));
    underJaw.setColorAt(1.0, QColor(50, 26, 20, 0));
    p.setBrush(underJaw);
    p.drawRect(QRectF(108, 176, 42, 24));
    p.setBrush(QColor(210, 200, 180));
    QPainterPath collar;
    collar.moveTo(96, 190);
    collar.lineTo(128, 226);
    collar.lineTo(110, 240);
    collar.lineTo(84, 200);
    collar.closeSubpath();
    collar.moveTo(160, 190);
    collar.lineTo(128, 226);
    collar.lineTo(146, 240);
    collar.lineTo(172, 200);
    collar.closeSubpath();
    p.drawPath(collar);
}

void IconPainter::paintPortraitFace(QPainter& p) const
{
    // A lean face: broad temples, cheekbones, a squarish jaw.
    QPainterPath face;
    face.moveTo(128, 62);
    face.cubicTo(156, 62, 174, 78, 176, 104);
    face.cubicTo(178, 126, 174, 150, 164, 166);
    face.cubicTo(154, 182, 142, 192, 128, 192);
    face.cubicTo(114, 192, 102, 182, 92, 166);
    face.cubicTo(82, 150, 78, 126, 80, 104);
    face.cubicTo(82, 78, 100, 62, 128, 62);
    // Ears, shaded inside.
    for (const qreal side : {-1.0, 1.0}) {
        const QPointF ear(128 + side * 49, 128);
        QRadialGradient shade(ear + QPointF(side * -2, 0), 12);
        shade.setColorAt(0.0, QColor(120, 66, 50));
        shade.setColorAt(1.0, QColor(180, 118, 90));
        p.setBrush(shade);
        p.drawEllipse(ear, 9, 16);
    }
    p.setBrush(QColor(196, 140, 108));
    p.drawPath(face);
    p.save();
    p.setClipPath(face);
    // Key light from the upper left.
    QRadialGradient light(QPointF(112, 104), 84);
    light.setColorAt(0.0, QColor(246, 204, 170, 190));
    light.setColorAt(0.5, QColor(236, 184, 150, 70));
    light.setColorAt(1.0, QColor(236, 184, 150, 0));
    p.setBrush(light);
    p.drawRect(QRectF(60, 50, 140, 150));
    // The far side turns away into shadow.
    QLinearGradient turn(QPointF(136, 0), QPointF(178, 0));
    turn.setColorAt(0.0, QColor(80, 44, 34, 0));
    turn.setColorAt(1.0, QColor(80, 44, 34, 170));
    p.setBrush(turn);
    p.drawRect(QRectF(60, 50, 140, 150));
    // Hollows under the cheekbones and at the temples.
    for (const QPointF hollow :
         {QPointF(98, 152), QPointF(160, 152), QPointF(84, 100), QPointF(172, 100)}) {
        QRadialGradient shade(hollow, 18);
        shade.setColorAt(0.0, QColor(100, 56, 42, 90));
        shade.setColorAt(1.0, QColor(100, 56, 42, 0));
        p.setBrush(shade);
        p.drawEllipse(hollow, 18, 14);
    }
    // Warmth on the cheeks and nose.
    for (const QPointF flush : {QPointF(104, 140), QPointF(152, 140), QPointF(128, 146)}) {
        QRadialGradient red(flush, 14);
        red.setColorAt(0.0, QColor(210, 100, 80, 50));
        red.setColorAt(1.0, QColor(210, 100, 80, 0));
        p.setBrush(red);
        p.drawEllipse(flush, 14, 12);
    }
    // Stubble over the jaw and chin.
    noise::Random random(3131);
    for (int i = 0; i < 900; ++i) {
        const QPointF at(random.range(88, 168), random.range(150, 192));
        p.setBrush(QColor(50, 32, 26, random.below(50) + 20));
        p.drawEllipse(at, 0.9, 0.9);
    }
    // Light on the chin.
    QRadialGradient chin(QPointF(124, 182), 12);
    chin.setColorAt(0.0, QColor(240, 196, 160, 80));
    chin.setColorAt(1.0, QColor(240, 196, 160, 0));
    p.setBrush(chin);
    p.drawEllipse(QPointF(124, 182), 12, 8);
    p.restore();
}

void IconPainter::paintPortraitEyes(QPainter& p) const
{
    for (const qreal cx : {107.0, 149.0}) {
        // Socket shadow, white, brown iris, pupil, glint.
        QRadialGradient socket(QPointF(cx, 116), 20);
        socket.setColorAt(0.0, QColor(90, 50, 40, 160));
        socket.setColorAt(1.0, QColor(90, 50, 40, 0));
        p.setBrush(socket);
        p.drawEllipse(QPointF(cx, 115), 20, 13);
        p.setBrush(QColor(214, 200, 188));
        p.drawEllipse(QPointF(cx, 117), 11, 5.5);
        p.setBrush(QColor(84, 52, 30));
        p.drawEllipse(QPointF(cx + 1, 117), 5.2, 5.2);
        p.setBrush(QColor(16, 10, 8));
        p.drawEllipse(QPointF(cx + 1, 117), 2.4, 2.4);
        // The upper lid shades the eyeball; a fold of skin below.
        p.setBrush(QColor(70, 36, 28, 120));
        p.drawChord(QRectF(cx - 11, 111.5, 22, 11), 20 * 16, 140 * 16);
        p.setBrush(QColor(110, 60, 46, 70));
        p.drawEllipse(QPointF(cx, 124.5), 9, 2.2);
        p.setBrush(QColor(255, 255, 255, 220));
        p.drawEllipse(QPointF(cx - 0.5, 115.5), 1.2, 1.2);
        // Upper lid line and a heavy dark brow.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(50, 28, 22), 2.0, Qt::SolidLine, Qt::RoundCap));
        p.drawArc(QRectF(cx - 11, 111, 22, 12), 20 * 16, 140 * 16);
        p.setPen(QPen(QColor(34, 22, 17), 5.0, Qt::SolidLine, Qt::RoundCap));
        QPainterPath brow;
        brow.moveTo(cx - 15, 104);
        brow.quadTo(cx, 99, cx + 15, 104);
        p.drawPath(brow);
        p.setPen(Qt::NoPen);
    }
}

void IconPainter::paintPortraitNoseAndMouth(QPainter& p) const
{
    // Nose: a lit ridge, a shaded side and the nostrils.
    QLinearGradient side(QPointF(128, 120), QPointF(142, 120));
    side.setColorAt(0.0, QColor(140, 88, 64, 0));
    side.setColorAt(1.0, QColor(120, 70, 50, 150));
    QPainterPath nose;
    nose.moveTo(126, 118);
    nose.cubicTo(130, 132, 140, 142, 140, 150);
    nose.lineTo(128, 152);
    nose.closeSubpath();
    p.setBrush(side);
    p.drawPath(nose);
    p.setBrush(QColor(250, 214, 184, 150));
    p.drawEllipse(QPointF(127, 142), 4, 9);
    p.setBrush(QColor(80, 40, 32, 200));
    p.drawEllipse(QPointF(120, 152), 4, 2.4);
    p.drawEllipse(QPointF(137, 152), 4, 2.4);
    // Mouth under the moustache.
    p.setBrush(QColor(140, 62, 56));
    p.drawEllipse(QPointF(129, 172), 14, 4.5);
    p.setBrush(QColor(60, 24, 20));
    p.drawRect(QRectF(115, 170, 28, 1.6));
}

void IconPainter::paintMoustache(QPainter& p) const
{
    // A thick dark moustache, built from strokes of hair.
    noise::Random random(1717);
    for (int i = 0; i < 90; ++i) {
        const qreal t = random.uniform();
        const bool left = random.uniform() < 0.5f;
        const qreal x = left ? 128 - t * 24 : 128 + t * 24;
        const qreal y = 160 + t * t * 10 + random.range(-2.5f, 2.5f);
        const QPointF from(left ? x + 3 : x - 3, y - 4);
        const QPointF to(x + (left ? -2 : 2), y + 5);
        const int tone = 20 + random.below(30);
        p.setPen(QPen(QColor(tone, tone * 2 / 3, tone / 2), random.range(2.0f, 3.5f), Qt::SolidLine,
                      Qt::RoundCap));
        p.drawLine(from, to);
    }
    p.setPen(Qt::NoPen);
}

void IconPainter::paintPortraitHair(QPainter& p) const
{
    // Thick dark hair parted on the left, swept over to the right, with
    // sideburns down past the tops of the ears.
    constexpr qreal kParting = 104;
    QPainterPath hair;
    hair.moveTo(76, 128);
    hair.cubicTo(62, 76, 88, 34, 132, 34);
    hair.cubicTo(176, 34, 196, 72, 180, 128);
    hair.lineTo(174, 128);
    hair.cubicTo(174, 104, 170, 90, 162, 82);
    hair.cubicTo(144, 76, 120, 72, kParting + 2, 76);
    hair.cubicTo(96, 80, 88, 90, 84, 104);
    hair.lineTo(84, 128);
    hair.closeSubpath();
    QRadialGradient shine(QPointF(118, 50), 84);
    shine.setColorAt(0.0, QColor(86, 62, 44));
    shine.setColorAt(0.45, QColor(40, 27, 20));
    shine.setColorAt(1.0, QColor(14, 10, 8));
    p.setBrush(shine);
    p.drawPath(hair);
    // Strands fanning out from the parting, lighter where the light catches them.
    noise::Random random(1919);
    p.save();
    p.setClipPath(hair);
    for (int i = 0; i < 160; ++i) {
        const bool rightward = random.uniform() < 0.75f;
        const QPointF from(kParting + random.range(-4, 4), random.range(38, 70));
        const qreal reach = random.range(20, 80);
        const QPointF to = rightward ? from + QPointF(reach, random.range(10, 40))
                                     : from + QPointF(-reach * 0.4, random.range(20, 60));
        QPainterPath strand;
        strand.moveTo(from);
        strand.quadTo(QPointF((from.x() + to.x()) / 2, from.y() - 6), to);
        const int tone = 50 + random.below(70);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(tone, tone * 3 / 4, tone / 2, random.below(90) + 40),
                      random.range(0.7f, 1.8f)));
        p.drawPath(strand);
    }
    p.restore();
    p.setPen(Qt::NoPen);
}
