#include "GifAnimator.h"

#include <QImageReader>
#include <QPainter>

namespace {

// Browsers' rule for GIFs that ask for no delay at all.
constexpr int kShortestDelayMs = 10;

} // namespace

GifAnimator::GifAnimator(QWidget* parent) : QWidget(parent), stepTimer_(this)
{
    stepTimer_.setObjectName("frameTimer");
    stepTimer_.setSingleShot(true);
    connect(&stepTimer_, &QTimer::timeout, this, &GifAnimator::StepToNextFrame);
}

void GifAnimator::LoadImage(const QString& fileName)
{
    frames_.clear();
    QImageReader reader(fileName);
    QImage image;
    while (reader.read(&image)) {
        frames_.push_back({image, std::max(reader.nextImageDelay(), kShortestDelayMs)});
    }
    current_ = 0;
    if (!frames_.empty()) {
        resize(frames_.front().image.size());
    }
    update();
}

QImage GifAnimator::CurrentImage() const
{
    return frames_.empty() ? QImage() : frames_[static_cast<std::size_t>(current_)].image;
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
    if (animate_ && !isHidden() && !frames_.empty()) {
        stepTimer_.start(frames_[static_cast<std::size_t>(current_)].delayMs);
    } else {
        stepTimer_.stop();
    }
}

void GifAnimator::StepToNextFrame()
{
    if (!animate_ || isHidden()) {
        return;
    }
    ++current_;
    if (current_ == FrameCount()) {
        current_ = 0;
        if (!loop_) {
            animate_ = false;
        }
    }
    update();
    ScheduleStep();
}

void GifAnimator::paintEvent(QPaintEvent*)
{
    if (frames_.empty()) {
        return;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, frames_[static_cast<std::size_t>(current_)].image);
}
