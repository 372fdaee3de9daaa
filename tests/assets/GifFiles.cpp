#include "GifFiles.h"

#include <stdexcept>

#include <gtest/gtest.h>

SlurpedGif::SlurpedGif(const std::string& path)
{
    int error = 0;
    m_gif = DGifOpenFileName(path.c_str(), &error);
    if (m_gif) {
        m_slurped = DGifSlurp(m_gif) == GIF_OK;
    }
}

SlurpedGif::~SlurpedGif()
{
    if (m_gif) {
        int error = 0;
        DGifCloseFile(m_gif, &error);
    }
}

int SlurpedGif::pixel(int n, int x, int y) const
{
    const SavedImage& img = m_gif->SavedImages[n];
    return img.RasterBits[static_cast<std::size_t>(y) * img.ImageDesc.Width + x];
}

bool SlurpedGif::controlBlock(int n, GraphicsControlBlock& out) const
{
    return DGifSavedExtensionToGCB(m_gif, n, &out) == GIF_OK;
}

namespace {

// Walks data sub-blocks from `at`; returns the position after the terminator.
std::size_t skipSubBlocks(const std::vector<std::uint8_t>& bytes, std::size_t at,
                          std::string* firstBlock = nullptr)
{
    bool first = true;
    while (at < bytes.size()) {
        const std::size_t length = bytes[at++];
        if (length == 0) {
            return at;
        }
        if (at + length > bytes.size()) {
            throw std::runtime_error("sub-block runs past the end of the file");
        }
        if (first && firstBlock) {
            firstBlock->assign(bytes.begin() + static_cast<long>(at),
                               bytes.begin() + static_cast<long>(at + length));
        }
        first = false;
        at += length;
    }
    throw std::runtime_error("sub-blocks not terminated");
}

} // namespace

RawGif walkGif(const std::vector<std::uint8_t>& bytes)
{
    RawGif gif;
    if (bytes.size() < 13) {
        throw std::runtime_error("too short for a GIF");
    }
    gif.signature.assign(bytes.begin(), bytes.begin() + 6);
    const std::uint8_t packed = bytes[10];
    gif.colourResolutionBits = ((packed >> 4) & 7) + 1;
    gif.globalTableSorted = (packed & 0x08) != 0;
    std::size_t at = 13;
    if (packed & 0x80) {
        gif.globalTableSize = 1 << ((packed & 7) + 1);
        at += 3 * static_cast<std::size_t>(gif.globalTableSize);
    }
    while (at < bytes.size()) {
        const std::uint8_t introducer = bytes[at++];
        if (introducer == 0x3B) {
            gif.endsWithTrailer = at == bytes.size();
            return gif;
        }
        if (introducer == 0x21) {
            RawBlock block{RawBlock::Kind::Extension, 0, {}, 0, false};
            block.label = bytes.at(at++);
            at = skipSubBlocks(bytes, at, &block.application);
            if (block.label != 0xFF) {
                block.application.clear();
            }
            gif.blocks.push_back(block);
        } else if (introducer == 0x2C) {
            RawBlock block{RawBlock::Kind::Image, 0, {}, 0, false};
            const std::uint8_t imagePacked = bytes.at(at + 8);
            at += 9;
            if (imagePacked & 0x80) {
                block.localColourTable = true;
                at += 3 * (std::size_t{1} << ((imagePacked & 7) + 1));
            }
            block.lzwMinimumCodeSize = bytes.at(at++);
            at = skipSubBlocks(bytes, at);
            gif.blocks.push_back(block);
        } else {
            throw std::runtime_error("unknown block introducer");
        }
    }
    return gif; // no trailer
}

bool sameColour(const GifColorType& a, int r, int g, int b)
{
    return a.Red == r && a.Green == g && a.Blue == b;
}

void expectOneInterlacedImage(const SlurpedGif& gif, const RawGif& raw, int width, int height)
{
    EXPECT_EQ(raw.signature, "GIF89a");
    EXPECT_TRUE(raw.endsWithTrailer);
    EXPECT_EQ(gif.file().SWidth, width);
    EXPECT_EQ(gif.file().SHeight, height);
    ASSERT_EQ(gif.file().ImageCount, 1);
    const GifImageDesc& desc = gif.image(0).ImageDesc;
    EXPECT_EQ(desc.Left, 0);
    EXPECT_EQ(desc.Top, 0);
    EXPECT_EQ(desc.Width, width);
    EXPECT_EQ(desc.Height, height);
    EXPECT_TRUE(desc.Interlace);
    EXPECT_EQ(desc.ColorMap, nullptr);
}
