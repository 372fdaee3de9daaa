#pragma once

#include <memory>

#include <QImage>
#include <QImageReader>
#include <QTimer>
#include <QWidget>

// Shows an animated GIF and plays it on request. A play goes from the frame it
// rests on through the following ones, each for its own delay; past the last frame
// it returns to the first and, unless looping, stops there. While hidden the
// control is frozen: a running play waits at its frame until shown again.
// Frames are decoded one at a time as the play reaches them, so a resting
// animator holds only its first frame.
class GifAnimator : public QWidget
{
    Q_OBJECT

  public:
    struct Frame
    {
        QImage image;
        int delayMs = 0;
    };

    explicit GifAnimator(QWidget* parent = nullptr);

    // Decodes only the first frame; safe on any thread, so a caller can have it
    // decoded ahead, on another core.
    static Frame ReadFirstFrame(const QString& fileName);

    // Shows the first frame of the picture; the control takes the picture's size.
    void LoadImage(const QString& fileName);
    // The same with the first frame already decoded.
    void LoadImage(const QString& fileName, const Frame& first);

    bool Animate() const { return animate_; }
    // Starts a play on a stopped control, or stops a running one where it stands.
    // Starting a control that is already playing changes nothing.
    void SetAnimate(bool animate);

    bool Loop() const { return loop_; }
    void SetLoop(bool loop) { loop_ = loop; }

    int FrameCount() const;
    // Zero-based: 0 is the first frame.
    int CurrentFrame() const { return current_; }
    const QImage& CurrentImage() const { return shown_; }

    void setVisible(bool visible) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // Starts reading the picture anew and returns its first frame.
    Frame Rewind();
    void StepToNextFrame();
    void ScheduleStep();

    QString fileName_;
    std::unique_ptr<QImageReader> reader_; // while playing: positioned after the frame shown
    Frame first_;
    QImage shown_;
    int shownDelayMs_ = 0;
    int current_ = 0;
    bool animate_ = false;
    bool loop_ = true;
    QTimer stepTimer_;
};
