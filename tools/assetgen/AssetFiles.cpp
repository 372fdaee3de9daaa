#include "AssetFiles.h"

#include <algorithm>
#include <stdexcept>

#include "AboutPainter.h"
#include "GifWriter.h"
#include "HeadPainter.h"
#include "IcoWriter.h"
#include "IconPainter.h"
#include "Quantizer.h"
#include "SkinPainter.h"

namespace {

// Fixed palette slots of the skin: the window's loader relies on them.
constexpr int kSkinBlack = 179;
constexpr int kSkinTransparent = 180;
const QRgb kSkinTransparentColour = qRgb(192, 192, 192);

constexpr int kHeadTransparent = 0;
constexpr int kHeadDelay = 25; // hundredths of a second
constexpr int kHeadShortFrameHeight = 193;

// The 16 colours every Windows display can show, in their usual order.
const Palette kWindowsSixteen = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};

Palette paddedTo256(Palette palette)
{
    palette.resize(256, qRgb(0, 0, 0));
    return palette;
}

IndexedImage headFrame(const QImage& picture, const Palette& palette,
                       const std::vector<int>& usable)
{
    // Undithered, so that a part that stays still keeps the very same pixels
    // from frame to frame.
    IndexedImage pixels = remapToPalette(picture, palette, usable, 0.0f);
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (!isDrawn(row[x])) {
                pixels.at(x, y) = kHeadTransparent;
            }
        }
    }
    return pixels;
}

IndexedImage withoutBottomRow(const IndexedImage& image)
{
    IndexedImage shorter(image.width, kHeadShortFrameHeight);
    std::copy_n(image.pixels.begin(), shorter.pixels.size(), shorter.pixels.begin());
    return shorter;
}

std::vector<bool> maskOf(const QImage& picture)
{
    std::vector<bool> transparent;
    for (int y = 0; y < picture.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            transparent.push_back(!isDrawn(row[x]));
        }
    }
    return transparent;
}

IcoImage sixteenColourIcon(const QImage& picture)
{
    IcoImage icon;
    icon.bitsPerPixel = 4;
    icon.palette = kWindowsSixteen;
    icon.transparent = maskOf(picture);
    // No dithering: at this size it would only be noise.
    icon.image = remapToPalette(picture, kWindowsSixteen, allIndices(kWindowsSixteen), 0.0f);
    for (std::size_t i = 0; i < icon.transparent.size(); ++i) {
        if (icon.transparent[i]) {
            icon.image.pixels[i] = 0; // black under the mask leaves the desktop as it is
        }
    }
    return icon;
}

IcoImage fullColourIcon(const QImage& picture)
{
    Quantizer quantizer(255);
    quantizer.add(picture);
    Palette palette = {qRgb(0, 0, 0)}; // slot 0: under the mask
    const Palette found = quantizer.quantize();
    palette.insert(palette.end(), found.begin(), found.end());
    palette = paddedTo256(palette);
    std::vector<int> usable;
    for (int i = 1; i < 256; ++i) {
        usable.push_back(i);
    }
    IcoImage icon;
    icon.bitsPerPixel = 8;
    icon.palette = palette;
    icon.transparent = maskOf(picture);
    icon.image = remapToPalette(picture, palette, usable, 0.0f);
    for (std::size_t i = 0; i < icon.transparent.size(); ++i) {
        if (icon.transparent[i]) {
            icon.image.pixels[i] = 0;
        }
    }
    return icon;
}

void savePng(const QImage& picture, const QString& path)
{
    if (!picture.convertToFormat(QImage::Format_ARGB32).save(path, "PNG")) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}

} // namespace

void writeSkin(const QDir& out)
{
    const QImage skin = SkinPainter().paint();
    Quantizer quantizer(254);
    quantizer.add(skin);
    Palette found = quantizer.quantize();
    for (QRgb& colour : found) {
        if (colour == kSkinTransparentColour) {
            colour = qRgb(193, 192, 192); // the transparent colour must stay unique
        }
    }
    // Make room for the two fixed slots in the middle of the table.
    const auto beforeBlack =
        static_cast<std::ptrdiff_t>(std::min<std::size_t>(found.size(), kSkinBlack));
    Palette palette(found.begin(), found.begin() + beforeBlack);
    palette.push_back(qRgb(0, 0, 0));
    palette.push_back(kSkinTransparentColour);
    if (found.size() > kSkinBlack) {
        palette.insert(palette.end(), found.begin() + beforeBlack, found.end());
    }
    palette = paddedTo256(palette);

    std::vector<int> usable;
    for (int i = 0; i < 256; ++i) {
        if (i != kSkinBlack && i != kSkinTransparent) {
            usable.push_back(i);
        }
    }
    IndexedImage pixels = remapToPalette(skin, palette, usable, 0.75f);
    for (int y = 0; y < skin.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(skin.constScanLine(y));
        for (int x = 0; x < skin.width(); ++x) {
            if (qAlpha(row[x]) == 0) {
                pixels.at(x, y) = kSkinTransparent;
            } else if ((row[x] & 0xffffff) == 0) {
                pixels.at(x, y) = kSkinBlack;
            }
        }
    }

    GifFile gif;
    gif.width = SkinPainter::width;
    gif.height = SkinPainter::height;
    gif.palette = palette;
    gif.backgroundIndex = kSkinBlack;
    GifFrame frame;
    frame.image = pixels;
    frame.interlaced = true;
    frame.transparentIndex = kSkinTransparent;
    gif.frames.push_back(frame);
    writeGif(out.filePath("skin.gif"), gif);
}

void writeHeads(const QDir& out)
{
    const HeadPainter painter;
    const auto sway = HeadPainter::swayAnimation();
    const auto glance = HeadPainter::glanceAnimation();
    std::vector<QImage> swayPictures;
    std::vector<QImage> glancePictures;
    for (int i = 0; i < HeadPainter::frameCount; ++i) {
        swayPictures.push_back(painter.paint(sway[i]));
        glancePictures.push_back(painter.paint(glance[i]));
    }

    // One palette for both files, so the rest pose is the same pixels in each.
    Quantizer quantizer(255);
    for (int i = 0; i < HeadPainter::frameCount; ++i) {
        quantizer.add(swayPictures[i]);
        quantizer.add(glancePictures[i]);
    }
    Palette palette = {qRgb(0, 0, 0)}; // slot 0: transparent
    const Palette found = quantizer.quantize();
    palette.insert(palette.end(), found.begin(), found.end());
    palette = paddedTo256(palette);
    std::vector<int> usable;
    for (int i = 1; i < 256; ++i) {
        usable.push_back(i);
    }

    const IndexedImage rest = headFrame(swayPictures[0], palette, usable);
    auto write = [&](const char* name, const std::vector<QImage>& pictures,
                     const std::array<HeadPose, HeadPainter::frameCount>& poses) {
        GifFile gif;
        gif.width = HeadPainter::width;
        gif.height = HeadPainter::height;
        gif.palette = palette;
        gif.backgroundIndex = kHeadTransparent;
        gif.loopForever = true;
        for (int i = 0; i < HeadPainter::frameCount; ++i) {
            GifFrame frame;
            frame.image = poses[i].isRest() ? rest : headFrame(pictures[i], palette, usable);
            if (poses[i].bodyDy != 0) {
                // Breathing in lifts the body: those frames are one row shorter.
                frame.image = withoutBottomRow(frame.image);
            }
            frame.disposal = 2;
            frame.delayCentiseconds = kHeadDelay;
            frame.transparentIndex = kHeadTransparent;
            gif.frames.push_back(frame);
        }
        writeGif(out.filePath(name), gif);
    };
    write("head1.gif", swayPictures, sway);
    write("head2.gif", glancePictures, glance);
}

void writeAbout(const QDir& out)
{
    const QImage about = AboutPainter().paint();
    Quantizer quantizer(256);
    quantizer.add(about);
    const Palette palette = paddedTo256(quantizer.quantize());
    GifFile gif;
    gif.width = AboutPainter::width;
    gif.height = AboutPainter::height;
    gif.palette = palette;
    gif.backgroundIndex = 0;
    GifFrame frame;
    frame.image = remapToPalette(about, palette, allIndices(palette), 0.75f);
    frame.interlaced = true;
    frame.hasControlBlock = false;
    gif.frames.push_back(frame);
    writeGif(out.filePath("about.gif"), gif);
}

void writeIcons(const QDir& out)
{
    const IconPainter painter;
    using Colours = IconPainter::Colours;
    const QImage lad16 = painter.cartoonFace(16, Colours::Full);
    const QImage lad32 = painter.cartoonFace(32, Colours::Full);
    const QImage portrait48 = painter.portrait(48);
    writeIco(out.filePath("icon.ico"),
             {sixteenColourIcon(painter.cartoonFace(16, Colours::Sixteen)), fullColourIcon(lad16),
              sixteenColourIcon(painter.cartoonFace(32, Colours::Sixteen)), fullColourIcon(lad32),
              fullColourIcon(portrait48)});
    savePng(lad16, out.filePath("icon-16.png"));
    savePng(lad32, out.filePath("icon-32.png"));
    savePng(portrait48, out.filePath("icon-48.png"));
    savePng(painter.portrait(128), out.filePath("icon-128.png"));
    savePng(painter.portrait(256), out.filePath("icon-256.png"));
}
