#include "GifWriter.h"

#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include <QFile>

#include <gif_lib.h>

namespace {

void check(int result, const char* what)
{
    if (result == GIF_ERROR) {
        throw std::runtime_error(std::string("giflib: ") + what);
    }
}

void addLoopBlock(SavedImage* image)
{
    static const char application[] = "NETSCAPE2.0";
    unsigned char loop[3] = {1, 0, 0}; // sub-block 1: repeat count 0, for ever
    check(GifAddExtensionBlock(&image->ExtensionBlockCount, &image->ExtensionBlocks,
                               APPLICATION_EXT_FUNC_CODE, 11,
                               reinterpret_cast<unsigned char*>(const_cast<char*>(application))),
          "application block");
    check(GifAddExtensionBlock(&image->ExtensionBlockCount, &image->ExtensionBlocks,
                               CONTINUE_EXT_FUNC_CODE, 3, loop),
          "loop sub-block");
}

void freeImages(SavedImage* images, int count)
{
    for (int i = 0; i < count; ++i) {
        GifFreeExtensions(&images[i].ExtensionBlockCount, &images[i].ExtensionBlocks);
        std::free(images[i].RasterBits);
        if (images[i].ImageDesc.ColorMap) {
            GifFreeMapObject(images[i].ImageDesc.ColorMap);
        }
    }
    std::free(images);
}

} // namespace

void writeGif(const QString& path, const GifFile& file)
{
    if (file.palette.size() != 256) {
        throw std::runtime_error("a GIF palette must have 256 entries here");
    }
    int error = 0;
    GifFileType* gif = EGifOpenFileName(path.toLocal8Bit().constData(), false, &error);
    if (!gif) {
        throw std::runtime_error("cannot create " + path.toStdString());
    }
    EGifSetGifVersion(gif, true);
    gif->SWidth = file.width;
    gif->SHeight = file.height;
    gif->SColorResolution = 8;
    gif->SBackGroundColor = file.backgroundIndex;
    gif->AspectByte = 0;

    GifColorType colours[256];
    for (int i = 0; i < 256; ++i) {
        colours[i].Red = static_cast<GifByteType>(qRed(file.palette[i]));
        colours[i].Green = static_cast<GifByteType>(qGreen(file.palette[i]));
        colours[i].Blue = static_cast<GifByteType>(qBlue(file.palette[i]));
    }
    gif->SColorMap = GifMakeMapObject(256, colours);

    for (std::size_t n = 0; n < file.frames.size(); ++n) {
        const GifFrame& frame = file.frames[n];
        SavedImage* saved = GifMakeSavedImage(gif, nullptr);
        saved->ImageDesc.Left = frame.left;
        saved->ImageDesc.Top = frame.top;
        saved->ImageDesc.Width = frame.image.width;
        saved->ImageDesc.Height = frame.image.height;
        saved->ImageDesc.Interlace = frame.interlaced;
        saved->ImageDesc.ColorMap = nullptr;

        // Rows go in top to bottom; EGifSpew itself writes them in interlaced
        // order when the descriptor asks for it.
        saved->RasterBits = static_cast<GifByteType*>(std::malloc(frame.image.pixels.size()));
        std::memcpy(saved->RasterBits, frame.image.pixels.data(), frame.image.pixels.size());

        if (n == 0 && file.loopForever) {
            addLoopBlock(saved);
        }
        if (!frame.hasControlBlock) {
            continue;
        }
        GraphicsControlBlock control{};
        control.DisposalMode = frame.disposal;
        control.UserInputFlag = false;
        control.DelayTime = frame.delayCentiseconds;
        control.TransparentColor =
            frame.transparentIndex >= 0 ? frame.transparentIndex : NO_TRANSPARENT_COLOR;
        check(EGifGCBToSavedExtension(&control, gif, static_cast<int>(n)), "graphic control block");
    }

    // EGifSpew writes everything and closes the file, but it writes a copy of
    // our colour table and leaves the images it was given to us to free.
    SavedImage* const images = gif->SavedImages;
    const int imageCount = gif->ImageCount;
    ColorMapObject* const globalTable = gif->SColorMap;
    if (EGifSpew(gif) == GIF_ERROR) {
        const int code = gif->Error;
        const bool tableCopied = gif->SColorMap != globalTable;
        EGifCloseFile(gif, &error);
        freeImages(images, imageCount);
        if (tableCopied) {
            GifFreeMapObject(globalTable);
        }
        throw std::runtime_error(std::string("giflib could not write: ") + GifErrorString(code));
    }
    freeImages(images, imageCount);
    GifFreeMapObject(globalTable);
    // giflib creates the file readable by its owner only.
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                    QFile::ReadOther);
}
