#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

// Draws the program's icon faces: a grinning, winking cartoon lad with a yellow
// quiff for the small sizes, and a painted portrait of a dark-haired man with a
// moustache for the large ones.
class IconPainter
{
  public:
    enum class Colours
    {
        Full,    // skin tones
        Sixteen, // the 16-colour images: grey skin, plain bright colours
    };

    // The colours one cartoon face is drawn in.
    struct CartoonInks
    {
        QColor skin;
        QColor hair;
        QColor mouth;
        QColor outline;
        bool shaded; // soft cheek shading, only where there are colours for it
    };

    QImage cartoonFace(int size, Colours colours) const;
    QImage portrait(int size) const;

  private:
    void paintCartoonHead(QPainter& p, const CartoonInks& inks) const;
    void paintQuiff(QPainter& p, const CartoonInks& inks) const;
    void paintCartoonEyes(QPainter& p, const CartoonInks& inks) const;
    void paintGrin(QPainter& p, const CartoonInks& inks) const;

    void paintBrushStrokes(QImage& picture) const;
    void paintPortraitBackground(QPainter& p) const;
    void paintPortraitShoulders(QPainter& p) const;
    void paintPortraitFace(QPainter& p) const;
    void paintPortraitEyes(QPainter& p) const;
    void paintPortraitNoseAndMouth(QPainter& p) const;
    void paintMoustache(QPainter& p) const;
    void paintPortraitHair(QPainter& p) const;
};
