#include "GifAnimator.h"

#include <QPainter>

#include "PictureScaling.h"

namespace {

// Browsers' rule for GIFs that ask for no delay at all.
constexpr int kShortestDelayMs = 10;

GifAnimator::Frame ReadFrom(QImageReader& reader)
{
    GifAnimator::Frame frame;
    frame.image = reader.read();
    frame.delayMs = std::max(reader.nextImageDelay(), kShortestDelayMs);
    return frame;
}

} // namespace

GifAnimator::GifAnimator(QWidget* parent) : QWidget(parent), stepTimer_(this)
{
    stepTimer_.setObjectName("frameTimer");
    stepTimer_.setSingleShot(true);
    connect(&stepTimer_, &QTimer::timeout, this, &GifAnimator::StepToNextFrame);
}

GifAnimator::Frame GifAnimator::ReadFirstFrame(const QString& fileName)
{
    QImageReader reader(fileName);
    return ReadFrom(reader);
}

GifAnimator::Frame GifAnimator::Rewind()
{
    reader_ = std::make_unique<QImageReader>(fileName_);
    return ReadFrom(*reader_);
}

void GifAnimator::LoadImage(const QString& fileName)
{
    LoadImage(fileName, ReadFirstFrame(fileName));
}

void GifAnimator::LoadImage(const QString& fileName, const Frame& first)
{
    fileName_ = fileName;
    first_ = first;
    // A resting animator keeps no reader; the next play starts a new one.
    reader_.reset();
    shown_ = first_.image;
    shownDelayMs_ = first_.delayMs;
    current_ = 0;
    if (!shown_.isNull()) {
        resize(shown_.size());
    }
    update();
}

int GifAnimator::FrameCount() const
{
    // Counting means reading the whole picture, which a play does not need.
    return fileName_.isEmpty() ? 0 : std::max(QImageReader(fileName_).imageCount(), 1);
}

void GifAnimator::SetAnimate(bool animate)
{
    if (animate == animate_) {
        return;
    }
    animate_ = animate;
    ScheduleStep();
}

void GifAnimator::setVisible(bool visible)
{
    QWidget::setVisible(visible);
    ScheduleStep();
}

void GifAnimator::ScheduleStep()
{
    if (animate_ && !isHidden() && !fileName_.isEmpty()) {
        stepTimer_.start(shownDelayMs_);
    } else {
        stepTimer_.stop();
    }
}

void GifAnimator::StepToNextFrame()
{
    if (!animate_ || isHidden()) {
        return;
    }
    if (reader_ == nullptr) {
        Rewind(); // the first frame is kept; the reader now stands after it
    }
    const QImage next = reader_->read();
    if (next.isNull()) {
        // Past the last frame: back to the first, and there the play ends unless looping.
        reader_.reset();
        current_ = 0;
        shown_ = first_.image;
        shownDelayMs_ = first_.delayMs;
        if (!loop_) {
            animate_ = false;
        }
    } else {
        ++current_;
        shown_ = next;
        shownDelayMs_ = std::max(reader_->nextImageDelay(), kShortestDelayMs);
    }
    update();
    ScheduleStep();
}

void GifAnimator::paintEvent(QPaintEvent*)
{
    if (shown_.isNull()) {
        return;
    }
    QPainter painter(this);
    SetPictureScaling(painter, devicePixelRatioF());
    painter.drawImage(0, 0, shown_);
}
