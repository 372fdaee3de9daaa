#include <gtest/gtest.h>

#include "GifFiles.h"

namespace {

constexpr int kWidth = 639;
constexpr int kHeight = 479;
constexpr int kBlackIndex = 179;
constexpr int kTransparentIndex = 180;

// Inclusive picture coordinates (window coordinates + 1).
struct Box
{
    int x1, y1, x2, y2;
    bool contains(int x, int y) const { return x >= x1 && x <= x2 && y >= y1 && y <= y2; }
};
constexpr Box kHeadHole{126, 10, 517, 215};
constexpr Box kConversationScreen{101, 299, 537, 469};

class SkinGif : public ::testing::Test
{
  protected:
    SlurpedGif gif{assetPath("skin.gif")};
    RawGif raw = walkGif(readBytes(assetPath("skin.gif")));

    bool isBlack(int x, int y) const { return sameColour(gif.colour(gif.pixel(0, x, y)), 0, 0, 0); }
};

TEST_F(SkinGif, IsOneInterlacedGif89aImageOfTheWindowSize)
{
    ASSERT_TRUE(gif.ok());
    expectOneInterlacedImage(gif, raw, kWidth, kHeight);
}

TEST_F(SkinGif, HasAFullGlobalTableWithBlackBackground)
{
    ASSERT_TRUE(gif.ok());
    ASSERT_NE(gif.file().SColorMap, nullptr);
    EXPECT_EQ(gif.file().SColorMap->ColorCount, 256);
    EXPECT_EQ(gif.file().SColorResolution, 8);
    EXPECT_EQ(raw.colourResolutionBits, 8);
    EXPECT_EQ(gif.file().SBackGroundColor, kBlackIndex);
    EXPECT_TRUE(sameColour(gif.colour(kBlackIndex), 0, 0, 0));
}

TEST_F(SkinGif, TransparentColourIsAUniqueSilver)
{
    ASSERT_TRUE(gif.ok());
    EXPECT_TRUE(sameColour(gif.colour(kTransparentIndex), 192, 192, 192));
    for (int i = 0; i < 256; ++i) {
        if (i != kTransparentIndex) {
            EXPECT_FALSE(sameColour(gif.colour(i), 192, 192, 192)) << "entry " << i;
        }
    }
}

TEST_F(SkinGif, HasExactlyOneControlBlockAndNothingElse)
{
    ASSERT_TRUE(gif.ok());
    ASSERT_EQ(raw.blocks.size(), 2u);
    EXPECT_EQ(raw.blocks[0].kind, RawBlock::Kind::Extension);
    EXPECT_EQ(raw.blocks[0].label, GRAPHICS_EXT_FUNC_CODE);
    EXPECT_EQ(raw.blocks[1].kind, RawBlock::Kind::Image);
    EXPECT_EQ(raw.blocks[1].lzwMinimumCodeSize, 8);
    EXPECT_EQ(gif.file().ExtensionBlockCount, 0);

    GraphicsControlBlock control{};
    ASSERT_TRUE(gif.controlBlock(0, control));
    EXPECT_EQ(control.DisposalMode, 0);
    EXPECT_EQ(control.DelayTime, 0);
    EXPECT_FALSE(control.UserInputFlag);
    EXPECT_EQ(control.TransparentColor, kTransparentIndex);
}

TEST_F(SkinGif, TransparentPixelsFormExactlyTheHeadScreenHole)
{
    ASSERT_TRUE(gif.ok());
    int wrong = 0;
    for (int y = 0; y < kHeight; ++y) {
        for (int x = 0; x < kWidth; ++x) {
            const bool transparent = gif.pixel(0, x, y) == kTransparentIndex;
            if (transparent != kHeadHole.contains(x, y) && ++wrong <= 5) {
                ADD_FAILURE() << "pixel (" << x << ", " << y << ") transparent=" << transparent;
            }
        }
    }
    EXPECT_EQ(wrong, 0);
}

TEST_F(SkinGif, ConversationScreenIsPureBlackAndFramedByNonBlack)
{
    ASSERT_TRUE(gif.ok());
    for (int y = kConversationScreen.y1; y <= kConversationScreen.y2; ++y) {
        for (int x = kConversationScreen.x1; x <= kConversationScreen.x2; ++x) {
            ASSERT_TRUE(isBlack(x, y)) << "pixel (" << x << ", " << y << ")";
        }
    }
    // The screen ends exactly at its edges: the ring just outside is the frame.
    for (int x = kConversationScreen.x1 - 1; x <= kConversationScreen.x2 + 1; ++x) {
        EXPECT_FALSE(isBlack(x, kConversationScreen.y1 - 1)) << "above, x " << x;
        EXPECT_FALSE(isBlack(x, kConversationScreen.y2 + 1)) << "below, x " << x;
    }
    for (int y = kConversationScreen.y1; y <= kConversationScreen.y2; ++y) {
        EXPECT_FALSE(isBlack(kConversationScreen.x1 - 1, y)) << "left, y " << y;
        EXPECT_FALSE(isBlack(kConversationScreen.x2 + 1, y)) << "right, y " << y;
    }
}

// The painted button faces lie under invisible buttons: each must show
// something bright (white label paint, yellow stripes, a red lamp) where the
// layout puts it, not bare dark metal.
struct PaintedFace
{
    const char* name;
    Box windowBox;
    int minBright; // pixels brighter than a light grey inside the box
};

void PrintTo(const PaintedFace& face, std::ostream* out)
{
    *out << face.name;
}

// White label paint, yellow stripes, red lamp glass or bright bare metal.
bool isPaint(const GifColorType& c)
{
    const bool white = c.Red > 150 && c.Green > 150 && c.Blue > 150;
    const bool yellow = c.Red > 160 && c.Green > 110 && c.Blue < 110;
    const bool red = c.Red > 150 && c.Green < 90 && c.Blue < 90;
    return white || yellow || red;
}

class SkinFaces : public SkinGif, public ::testing::WithParamInterface<PaintedFace>
{
};

TEST_P(SkinFaces, ShowPaintAtTheirPlace)
{
    ASSERT_TRUE(gif.ok());
    const PaintedFace face = GetParam();
    int bright = 0;
    for (int y = face.windowBox.y1; y <= face.windowBox.y2; ++y) {
        for (int x = face.windowBox.x1; x <= face.windowBox.x2; ++x) {
            bright += isPaint(gif.colour(gif.pixel(0, x + 1, y + 1))) ? 1 : 0;
        }
    }
    EXPECT_GE(bright, face.minBright) << face.name;
}

INSTANTIATE_TEST_SUITE_P(Labels, SkinFaces,
                         ::testing::Values(PaintedFace{"Say label", {7, 297, 75, 309}, 200},
                                           PaintedFace{"New label", {9, 356, 69, 368}, 200},
                                           PaintedFace{"Save label", {8, 419, 71, 435}, 200},
                                           PaintedFace{"Say stripes", {18, 319, 62, 340}, 250},
                                           PaintedFace{"New stripes", {17, 378, 61, 399}, 250},
                                           PaintedFace{"Save stripes", {17, 444, 61, 465}, 250},
                                           PaintedFace{"Help label", {580, 305, 613, 319}, 120},
                                           PaintedFace{"About label", {574, 384, 620, 395}, 120},
                                           PaintedFace{"Help lamp", {592, 333, 602, 343}, 50},
                                           PaintedFace{"About lamp", {594, 406, 604, 416}, 50},
                                           PaintedFace{"Close emblem", {583, 443, 626, 463}, 80}),
                         [](const ::testing::TestParamInfo<PaintedFace>& info) {
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 if (c == ' ') {
                                     c = '_';
                                 }
                             }
                             return name;
                         });

} // namespace
