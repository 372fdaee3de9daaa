#include "IcoWriter.h"

#include <stdexcept>

#include <QFile>

namespace {

// The format is little-endian throughout.
void put16(QByteArray& out, int value)
{
    out.append(static_cast<char>(value & 0xff));
    out.append(static_cast<char>((value >> 8) & 0xff));
}

void put32(QByteArray& out, std::uint32_t value)
{
    for (int shift = 0; shift < 32; shift += 8) {
        out.append(static_cast<char>((value >> shift) & 0xff));
    }
}

int rowBytes(int width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4; // rows are padded to 32 bits
}

// BITMAPINFOHEADER, palette, XOR bitmap and AND mask, both bottom-up.
QByteArray bitmapOf(const IcoImage& icon)
{
    const int size = icon.image.width;
    const int bpp = icon.bitsPerPixel;
    const int colours = 1 << bpp;
    QByteArray out;
    put32(out, 40);
    put32(out, static_cast<std::uint32_t>(size));
    put32(out, static_cast<std::uint32_t>(size * 2)); // XOR and AND bitmaps stacked
    put16(out, 1);
    put16(out, bpp);
    put32(out, 0); // BI_RGB
    put32(out, static_cast<std::uint32_t>((rowBytes(size, bpp) + rowBytes(size, 1)) * size));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    put32(out, 0);
    for (int i = 0; i < colours; ++i) {
        const QRgb c = icon.palette[static_cast<std::size_t>(i)];
        out.append(static_cast<char>(qBlue(c)));
        out.append(static_cast<char>(qGreen(c)));
        out.append(static_cast<char>(qRed(c)));
        out.append('\0');
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(rowBytes(size, bpp), '\0');
        for (int x = 0; x < size; ++x) {
            const int index = icon.image.at(x, y);
            if (bpp == 8) {
                row[x] = static_cast<char>(index);
            } else {
                row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
            }
        }
        out.append(row);
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(rowBytes(size, 1), '\0');
        for (int x = 0; x < size; ++x) {
            if (icon.transparent[static_cast<std::size_t>(y) * size + x]) {
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        out.append(row);
    }
    return out;
}

} // namespace

void writeIco(const QString& path, const std::vector<IcoImage>& images)
{
    QByteArray out;
    put16(out, 0);
    put16(out, 1); // resource type: icon
    put16(out, static_cast<int>(images.size()));

    std::vector<QByteArray> bitmaps;
    for (const IcoImage& icon : images) {
        if (icon.image.width != icon.image.height ||
            icon.palette.size() != (std::size_t{1} << icon.bitsPerPixel)) {
            throw std::runtime_error("icon images must be square with a full palette");
        }
        bitmaps.push_back(bitmapOf(icon));
    }
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        const IcoImage& icon = images[i];
        out.append(static_cast<char>(icon.image.width));
        out.append(static_cast<char>(icon.image.height));
        out.append(static_cast<char>(icon.bitsPerPixel == 4 ? 16 : 0)); // 0 means 256 or more
        out.append('\0');
        put16(out, 1);
        put16(out, icon.bitsPerPixel);
        put32(out, static_cast<std::uint32_t>(bitmaps[i].size()));
        put32(out, offset);
        offset += static_cast<std::uint32_t>(bitmaps[i].size());
    }
    for (const QByteArray& bitmap : bitmaps) {
        out.append(bitmap);
    }

    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        throw std::runtime_error("cannot write " + path.toStdString());
    }
}
