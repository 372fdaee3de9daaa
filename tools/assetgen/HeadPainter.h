#pragma once

#include <array>

#include <QImage>
#include <QPainter>
#include <QPointF>

// Where the moving parts of the character sit in one frame, in whole pixels
// from the rest pose. The face (goggles and filter) moves on its own, on top
// of the helmet.
struct HeadPose
{
    int helmetDx = 0;
    int helmetDy = 0;
    int faceDx = 0;
    int faceDy = 0;
    int bodyDy = 0;

    bool isRest() const
    {
        return helmetDx == 0 && helmetDy == 0 && faceDx == 0 && faceDy == 0 && bodyDy == 0;
    }
};

// Draws the helmeted agent from the chest up for the head screen. Everything
// around him is left transparent.
class HeadPainter
{
  public:
    static constexpr int width = 388;
    static constexpr int height = 194;
    static constexpr int frameCount = 8;

    // The rest pose is frame 1 of both animations.
    static std::array<HeadPose, frameCount> swayAnimation();
    static std::array<HeadPose, frameCount> glanceAnimation();

    HeadPainter();
    QImage paint(const HeadPose& pose) const;

  private:
    QImage paintLayer(void (HeadPainter::*paintPart)(QPainter&) const) const;
    void paintBody(QPainter& p) const;
    void paintHelmet(QPainter& p) const;
    void paintFace(QPainter& p) const;
    void paintBreastplate(QPainter& p) const;
    void paintShoulderPad(QPainter& p, bool left) const;
    void paintFlagDecal(QPainter& p) const;
    void paintCollarRing(QPainter& p, QPointF centre) const;
    void paintHose(QPainter& p, QPointF fromHelmet, QPointF toChest, qreal sag) const;
    void paintHelmetDome(QPainter& p) const;
    void paintHelmetMask(QPainter& p) const;
    void paintGoggle(QPainter& p, QPointF centre) const;
    void paintBreathingFilter(QPainter& p) const;

    QImage m_padSurface;
    QImage m_helmetSurface;
    QImage m_chestSurface;
    QImage m_filterSurface;
    QImage m_bodyLayer;
    QImage m_helmetLayer;
    QImage m_faceLayer;
};
