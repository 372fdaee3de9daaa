// assetgen: draws every picture of the program and writes them into a folder
// (normally assets/). Usage: assetgen <output-folder>

#include <cstdio>
#include <exception>

#include <QDir>
#include <QGuiApplication>

#include "AssetFiles.h"

int main(int argc, char** argv)
{
    // No display is needed: we only paint into images.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: assetgen <output-folder>\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.exists() && !QDir().mkpath(out.path())) {
        std::fprintf(stderr, "assetgen: cannot create %s\n", argv[1]);
        return 1;
    }
    try {
        writeSkin(out);
        writeHeads(out);
        writeAbout(out);
        writeIcons(out);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "assetgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
