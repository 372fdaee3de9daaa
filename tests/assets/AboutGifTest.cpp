#include <gtest/gtest.h>

#include "GifFiles.h"

namespace {

constexpr int kWidth = 267;
constexpr int kHeight = 228;

class AboutGif : public ::testing::Test
{
  protected:
    SlurpedGif gif{assetPath("about.gif")};
    RawGif raw = walkGif(readBytes(assetPath("about.gif")));
};

TEST_F(AboutGif, IsOneInterlacedStillImage)
{
    ASSERT_TRUE(gif.ok());
    expectOneInterlacedImage(gif, raw, kWidth, kHeight);
    ASSERT_NE(gif.file().SColorMap, nullptr);
    EXPECT_EQ(gif.file().SColorMap->ColorCount, 256);
}

TEST_F(AboutGif, HasNoTransparencyOrAnimation)
{
    ASSERT_TRUE(gif.ok());
    // A control block could carry a transparent colour or a delay: there is none,
    // nor any looping block.
    ASSERT_EQ(raw.blocks.size(), 1u);
    EXPECT_EQ(raw.blocks[0].kind, RawBlock::Kind::Image);
    EXPECT_EQ(raw.blocks[0].lzwMinimumCodeSize, 8);
    GraphicsControlBlock control{};
    EXPECT_FALSE(gif.controlBlock(0, control));
    EXPECT_EQ(gif.file().ExtensionBlockCount, 0);
}

TEST_F(AboutGif, TextBoxAreaOfTheScreenIsBlack)
{
    ASSERT_TRUE(gif.ok());
    // The about text box lies at (37, 54), 219 x 124; the part of the screen
    // left of its scroll bar must be black for the lime text to read.
    for (int y = 56; y <= 174; ++y) {
        for (int x = 39; x <= 236; ++x) {
            ASSERT_TRUE(sameColour(gif.colour(gif.pixel(0, x, y)), 0, 0, 0))
                << "pixel (" << x << ", " << y << ")";
        }
    }
}

TEST_F(AboutGif, TitleIsRedAtTheTopOfTheScreen)
{
    ASSERT_TRUE(gif.ok());
    int red = 0;
    for (int y = 33; y <= 53; ++y) {
        for (int x = 37; x <= 241; ++x) {
            const GifColorType c = gif.colour(gif.pixel(0, x, y));
            red += (c.Red > 150 && c.Green < 80 && c.Blue < 80) ? 1 : 0;
        }
    }
    EXPECT_GT(red, 300);
}

} // namespace
