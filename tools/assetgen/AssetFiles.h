#pragma once

#include <QDir>

// Each function paints one kind of picture and writes its file(s) into `out`,
// fixing the palette slots, transparency and frames the program relies on.
// They throw std::runtime_error when a file cannot be written.
void writeSkin(const QDir& out);
void writeHeads(const QDir& out);
void writeAbout(const QDir& out);
void writeIcons(const QDir& out);
