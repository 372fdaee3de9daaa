#include <cstring>

#include <gtest/gtest.h>

#include "GifFiles.h"

namespace {

constexpr int kWidth = 388;
constexpr int kHeight = 194;
constexpr int kFrames = 8;

struct HeadFile
{
    const char* name;
    int frameHeights[kFrames];
};

const HeadFile kHeadFiles[] = {
    {"head1.gif", {194, 194, 194, 193, 193, 193, 193, 194}},
    {"head2.gif", {194, 194, 194, 194, 194, 194, 194, 194}},
};

void PrintTo(const HeadFile& file, std::ostream* out)
{
    *out << file.name;
}

class HeadGif : public ::testing::TestWithParam<HeadFile>
{
  protected:
    SlurpedGif gif{assetPath(GetParam().name)};
    RawGif raw = walkGif(readBytes(assetPath(GetParam().name)));
};

TEST_P(HeadGif, ScreenAndPaletteAreAsTheLoaderExpects)
{
    ASSERT_TRUE(gif.ok());
    EXPECT_EQ(raw.signature, "GIF89a");
    EXPECT_TRUE(raw.endsWithTrailer);
    EXPECT_EQ(gif.file().SWidth, kWidth);
    EXPECT_EQ(gif.file().SHeight, kHeight);
    ASSERT_NE(gif.file().SColorMap, nullptr);
    EXPECT_EQ(gif.file().SColorMap->ColorCount, 256);
    EXPECT_EQ(raw.colourResolutionBits, 8);
    EXPECT_FALSE(raw.globalTableSorted);
    EXPECT_EQ(gif.file().SBackGroundColor, 0);
    EXPECT_EQ(gif.file().AspectByte, 0);
}

TEST_P(HeadGif, EightFramesWithTheirSizesAndControlBlocks)
{
    ASSERT_TRUE(gif.ok());
    ASSERT_EQ(gif.file().ImageCount, kFrames);
    for (int n = 0; n < kFrames; ++n) {
        SCOPED_TRACE("frame " + std::to_string(n + 1));
        const GifImageDesc& desc = gif.image(n).ImageDesc;
        EXPECT_EQ(desc.Left, 0);
        EXPECT_EQ(desc.Top, 0);
        EXPECT_EQ(desc.Width, kWidth);
        EXPECT_EQ(desc.Height, GetParam().frameHeights[n]);
        EXPECT_FALSE(desc.Interlace);
        EXPECT_EQ(desc.ColorMap, nullptr);
        GraphicsControlBlock control{};
        ASSERT_TRUE(gif.controlBlock(n, control));
        EXPECT_EQ(control.DisposalMode, 2);
        EXPECT_FALSE(control.UserInputFlag);
        EXPECT_EQ(control.TransparentColor, 0);
        EXPECT_EQ(control.DelayTime, 25);
    }
}

TEST_P(HeadGif, LoopBlockComesBeforeTheFirstFrame)
{
    ASSERT_TRUE(gif.ok());
    // giflib hands over blocks that precede an image with that image.
    const SavedImage& first = gif.image(0);
    ASSERT_GE(first.ExtensionBlockCount, 3);
    const ExtensionBlock& application = first.ExtensionBlocks[0];
    EXPECT_EQ(application.Function, APPLICATION_EXT_FUNC_CODE);
    ASSERT_EQ(application.ByteCount, 11);
    EXPECT_EQ(std::memcmp(application.Bytes, "NETSCAPE2.0", 11), 0);
    const ExtensionBlock& loop = first.ExtensionBlocks[1];
    EXPECT_EQ(loop.Function, CONTINUE_EXT_FUNC_CODE);
    ASSERT_EQ(loop.ByteCount, 3);
    EXPECT_EQ(loop.Bytes[0], 1);
    EXPECT_EQ(loop.Bytes[1], 0); // repeat count 0: for ever
    EXPECT_EQ(loop.Bytes[2], 0);
    EXPECT_EQ(gif.file().ExtensionBlockCount, 0);

    // In the file: the application block, then per frame a control block and the image.
    ASSERT_EQ(raw.blocks.size(), 1u + 2u * kFrames);
    EXPECT_EQ(raw.blocks[0].label, 0xFF);
    EXPECT_EQ(raw.blocks[0].application, "NETSCAPE2.0");
    for (int n = 0; n < kFrames; ++n) {
        EXPECT_EQ(raw.blocks[1 + 2 * n].kind, RawBlock::Kind::Extension);
        EXPECT_EQ(raw.blocks[1 + 2 * n].label, GRAPHICS_EXT_FUNC_CODE);
        const RawBlock& image = raw.blocks[2 + 2 * n];
        EXPECT_EQ(image.kind, RawBlock::Kind::Image);
        EXPECT_EQ(image.lzwMinimumCodeSize, 8);
        EXPECT_FALSE(image.localColourTable);
    }
}

TEST_P(HeadGif, CharacterStandsOnATransparentBackground)
{
    ASSERT_TRUE(gif.ok());
    int transparent = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            transparent += gif.pixel(0, x, y) == 0 ? 1 : 0;
        }
    }
    // Above the shoulders and round the helmet, roughly 22,000 of 75,272 pixels.
    EXPECT_GT(transparent, 15000);
    EXPECT_LT(transparent, 30000);
    EXPECT_EQ(gif.pixel(0, 0, 0), 0);
    EXPECT_EQ(gif.pixel(0, kWidth - 1, 0), 0);
    // The shoulders reach both edges at the bottom, and the chest is solid.
    EXPECT_NE(gif.pixel(0, 0, kHeight - 1), 0);
    EXPECT_NE(gif.pixel(0, kWidth - 1, kHeight - 1), 0);
    EXPECT_NE(gif.pixel(0, kWidth / 2, kHeight - 1), 0);
    EXPECT_NE(gif.pixel(0, kWidth / 2, kHeight / 2), 0);
}

INSTANTIATE_TEST_SUITE_P(Files, HeadGif, ::testing::ValuesIn(kHeadFiles),
                         [](const ::testing::TestParamInfo<HeadFile>& info) {
                             return std::string(info.param.name).substr(0, 5);
                         });

// Whether two frames hold the same picture over the rows [top, bottom),
// frame b being read `shift` rows lower than frame a.
bool sameRows(const SlurpedGif& a, int frameA, const SlurpedGif& b, int frameB, int top, int bottom,
              int x1, int x2, int shift = 0)
{
    for (int y = top; y < bottom; ++y) {
        for (int x = x1; x < x2; ++x) {
            if (a.pixel(frameA, x, y) != b.pixel(frameB, x, y + shift)) {
                return false;
            }
        }
    }
    return true;
}

class HeadPair : public ::testing::Test
{
  protected:
    SlurpedGif sway{assetPath("head1.gif")};
    SlurpedGif glance{assetPath("head2.gif")};

    void SetUp() override
    {
        ASSERT_TRUE(sway.ok());
        ASSERT_TRUE(glance.ok());
        ASSERT_EQ(sway.file().ImageCount, kFrames);
        ASSERT_EQ(glance.file().ImageCount, kFrames);
    }
};

TEST_F(HeadPair, ShareOnePalette)
{
    for (int i = 0; i < 256; ++i) {
        const GifColorType a = sway.colour(i);
        EXPECT_TRUE(sameColour(glance.colour(i), a.Red, a.Green, a.Blue)) << "entry " << i;
    }
}

TEST_F(HeadPair, RestPoseFramesArePixelForPixelEqual)
{
    struct Pair
    {
        const SlurpedGif* file;
        int frame;
        const char* what;
    };
    const Pair restPoses[] = {
        {&glance, 0, "head2 frame 1"}, {&sway, 1, "head1 frame 2"}, {&glance, 7, "head2 frame 8"}};
    for (const Pair& pose : restPoses) {
        EXPECT_TRUE(sameRows(sway, 0, *pose.file, pose.frame, 0, kHeight, 0, kWidth))
            << pose.what << " differs from head1 frame 1";
    }
}

TEST_F(HeadPair, EveryOtherFrameMoves)
{
    const int swayMoving[] = {2, 3, 4, 5, 6, 7};
    for (const int n : swayMoving) {
        const int rows = sway.image(n).ImageDesc.Height;
        EXPECT_FALSE(sameRows(sway, 0, sway, n, 0, rows, 0, kWidth)) << "head1 frame " << n + 1;
    }
    for (int n = 1; n < 7; ++n) {
        EXPECT_FALSE(sameRows(sway, 0, glance, n, 0, kHeight, 0, kWidth))
            << "head2 frame " << n + 1;
    }
}

// The far ends of the shoulder pads lie well away from the helmet and hoses, so
// there only the body's own movement shows.
constexpr int kShoulderTop = 130;
constexpr int kLeftShoulderEnd = 90;
constexpr int kRightShoulderStart = kWidth - 90;

TEST_F(HeadPair, GlanceKeepsTheBodyStill)
{
    for (int n = 1; n < kFrames; ++n) {
        EXPECT_TRUE(sameRows(sway, 0, glance, n, kShoulderTop, kHeight, 0, kLeftShoulderEnd))
            << "frame " << n + 1;
        EXPECT_TRUE(
            sameRows(sway, 0, glance, n, kShoulderTop, kHeight, kRightShoulderStart, kWidth))
            << "frame " << n + 1;
    }
}

TEST_F(HeadPair, SwayLiftsTheBodyOnePixelInFramesFourToSeven)
{
    for (int n = 3; n <= 6; ++n) {
        EXPECT_FALSE(sameRows(sway, n, sway, 0, kShoulderTop, kHeight - 1, 0, kLeftShoulderEnd))
            << "frame " << n + 1 << " keeps the body at rest";
        // Row y of the lifted frame shows what row y + 1 showed at rest.
        EXPECT_TRUE(sameRows(sway, n, sway, 0, kShoulderTop, kHeight - 2, 0, kLeftShoulderEnd, 1))
            << "frame " << n + 1 << " is not the rest body one row higher";
    }
    for (const int n : {2, 7}) {
        EXPECT_TRUE(sameRows(sway, 0, sway, n, kShoulderTop, kHeight, 0, kLeftShoulderEnd))
            << "frame " << n + 1 << " should keep the body at rest";
    }
}

} // namespace
