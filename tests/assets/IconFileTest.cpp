#include <algorithm>

#include <gtest/gtest.h>

#include "AssetFiles.h"

namespace {

// A small reader for the parts of the .ico format we write.
struct IconEntry
{
    int width, height, colourCount, planes, bitCount;
    std::uint32_t bytes, offset;
};

std::uint32_t le16(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return b.at(at) | (b.at(at + 1) << 8);
}

std::uint32_t le32(const std::vector<std::uint8_t>& b, std::size_t at)
{
    return le16(b, at) | (le16(b, at + 2) << 16);
}

int rowBytes(int width, int bits)
{
    return ((width * bits + 31) / 32) * 4;
}

struct ExpectedImage
{
    int size;
    int bitCount;
};

const ExpectedImage kExpected[] = {{16, 4}, {16, 8}, {32, 4}, {32, 8}, {48, 8}};

class IconFile : public ::testing::Test
{
  protected:
    std::vector<std::uint8_t> bytes = readBytes(assetPath("icon.ico"));

    IconEntry entry(int n) const
    {
        const std::size_t at = 6 + 16 * static_cast<std::size_t>(n);
        return {bytes.at(at) == 0 ? 256 : bytes.at(at),
                bytes.at(at + 1) == 0 ? 256 : bytes.at(at + 1),
                bytes.at(at + 2),
                static_cast<int>(le16(bytes, at + 4)),
                static_cast<int>(le16(bytes, at + 6)),
                le32(bytes, at + 8),
                le32(bytes, at + 12)};
    }

    // The colour the XOR bitmap gives (x, y), as 0xRRGGBB; y counts from the top.
    std::uint32_t colourAt(const IconEntry& e, int x, int y) const
    {
        const std::size_t row = static_cast<std::size_t>(e.width - 1 - y);
        const std::size_t bitmap = e.offset + 40 + (4u << e.bitCount);
        const std::uint8_t packed =
            bytes.at(bitmap + row * rowBytes(e.width, e.bitCount) + x * e.bitCount / 8);
        const int index = e.bitCount == 8 ? packed : (x % 2 == 0 ? packed >> 4 : packed & 0x0f);
        const std::size_t entry = e.offset + 40 + 4 * static_cast<std::size_t>(index);
        return (bytes.at(entry + 2) << 16) | (bytes.at(entry + 1) << 8) | bytes.at(entry);
    }

    // Whether the AND mask marks (x, y) as transparent; y counts from the top.
    bool masked(const IconEntry& e, int x, int y) const
    {
        const std::size_t palette = 4u << e.bitCount;
        const std::size_t xorBytes =
            static_cast<std::size_t>(rowBytes(e.width, e.bitCount)) * e.width;
        const std::size_t row = static_cast<std::size_t>(e.width - 1 - y);
        const std::size_t at =
            e.offset + 40 + palette + xorBytes + row * rowBytes(e.width, 1) + x / 8;
        return (bytes.at(at) & (0x80 >> (x % 8))) != 0;
    }
};

TEST_F(IconFile, HeaderListsFiveIcons)
{
    ASSERT_GE(bytes.size(), 6u + 5 * 16);
    EXPECT_EQ(le16(bytes, 0), 0u);
    EXPECT_EQ(le16(bytes, 2), 1u); // icon, not cursor
    EXPECT_EQ(le16(bytes, 4), 5u);
}

TEST_F(IconFile, EachImageHasItsSizeDepthPaletteAndMask)
{
    std::uint32_t expectedOffset = 6 + 5 * 16;
    for (int n = 0; n < 5; ++n) {
        SCOPED_TRACE("image " + std::to_string(n));
        const IconEntry e = entry(n);
        const ExpectedImage want = kExpected[n];
        EXPECT_EQ(e.width, want.size);
        EXPECT_EQ(e.height, want.size);
        EXPECT_EQ(e.colourCount, want.bitCount == 4 ? 16 : 0);
        EXPECT_EQ(e.planes, 1);
        EXPECT_EQ(e.bitCount, want.bitCount);
        // Images follow the directory back to back and fit the file.
        EXPECT_EQ(e.offset, expectedOffset);
        ASSERT_LE(static_cast<std::size_t>(e.offset) + e.bytes, bytes.size());
        expectedOffset += e.bytes;

        // BITMAPINFOHEADER: the height counts the colour bitmap and the mask.
        EXPECT_EQ(le32(bytes, e.offset), 40u);
        EXPECT_EQ(le32(bytes, e.offset + 4), static_cast<std::uint32_t>(want.size));
        EXPECT_EQ(le32(bytes, e.offset + 8), static_cast<std::uint32_t>(2 * want.size));
        EXPECT_EQ(le16(bytes, e.offset + 12), 1u);
        EXPECT_EQ(le16(bytes, e.offset + 14), static_cast<std::uint32_t>(want.bitCount));
        EXPECT_EQ(le32(bytes, e.offset + 16), 0u); // uncompressed
        const std::uint32_t palette = 4u << want.bitCount;
        const std::uint32_t colourBitmap = rowBytes(want.size, want.bitCount) * want.size;
        const std::uint32_t mask = rowBytes(want.size, 1) * want.size;
        EXPECT_EQ(e.bytes, 40 + palette + colourBitmap + mask);
    }
    EXPECT_EQ(expectedOffset, bytes.size());
}

TEST_F(IconFile, MasksCutTheFaceOutOfItsBackground)
{
    for (int n = 0; n < 5; ++n) {
        SCOPED_TRACE("image " + std::to_string(n));
        const IconEntry e = entry(n);
        int transparent = 0;
        int showingThrough = 0;
        for (int y = 0; y < e.width; ++y) {
            for (int x = 0; x < e.width; ++x) {
                if (masked(e, x, y)) {
                    ++transparent;
                    // Under the mask the colour must be black, or Windows
                    // inverts the desktop there instead of leaving it alone.
                    showingThrough += colourAt(e, x, y) != 0 ? 1 : 0;
                }
            }
        }
        EXPECT_EQ(showingThrough, 0);
        // Some of the square shows the desktop, most of it the face.
        EXPECT_GT(transparent, 0);
        EXPECT_LT(transparent, e.width * e.width / 2);
        EXPECT_TRUE(masked(e, 0, 0));
        EXPECT_FALSE(masked(e, e.width / 2, e.width / 2));
    }
}

struct PngCase
{
    const char* name;
    int size;
};

void PrintTo(const PngCase& png, std::ostream* out)
{
    *out << png.name;
}

class IconPng : public ::testing::TestWithParam<PngCase>
{
};

TEST_P(IconPng, IsASquarePngOfItsSize)
{
    const std::vector<std::uint8_t> png = readBytes(assetPath(GetParam().name));
    ASSERT_GT(png.size(), 33u);
    const std::uint8_t signature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_TRUE(std::equal(signature, signature + 8, png.begin()));
    // IHDR comes first: big-endian width and height.
    auto be32 = [&](std::size_t at) {
        return (png[at] << 24) | (png[at + 1] << 16) | (png[at + 2] << 8) | png[at + 3];
    };
    EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
    EXPECT_EQ(be32(16), GetParam().size);
    EXPECT_EQ(be32(20), GetParam().size);
    EXPECT_EQ(png[25], 6); // RGBA: the corners are see-through
}

INSTANTIATE_TEST_SUITE_P(Sizes, IconPng,
                         ::testing::Values(PngCase{"icon-16.png", 16}, PngCase{"icon-32.png", 32},
                                           PngCase{"icon-48.png", 48}, PngCase{"icon-128.png", 128},
                                           PngCase{"icon-256.png", 256}),
                         [](const ::testing::TestParamInfo<PngCase>& info) {
                             return "size" + std::to_string(info.param.size);
                         });

} // namespace
