#include "FlatButton.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>

#include "AccessibleControls.h"

FlatButton::FlatButton(QWidget* parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_Hover);
    InstallAccessibleControls();
}

void FlatButton::click()
{
    if (isEnabled()) {
        emit clicked();
    }
}

bool FlatButton::PointerOver() const
{
    return underMouse() && QApplication::activeWindow() != nullptr;
}

FlatButton::Frame FlatButton::CurrentFrame() const
{
    if (!isEnabled()) {
        return Frame::None;
    }
    if (held_) {
        return heldOver_ ? Frame::Sunken : Frame::Raised;
    }
    return PointerOver() ? Frame::Raised : Frame::None;
}

void FlatButton::paintEvent(QPaintEvent*)
{
    const Frame frame = CurrentFrame();
    if (frame == Frame::None) {
        return;
    }
    const QPalette& colours = palette();
    const QColor topLeft =
        frame == Frame::Raised ? colours.color(QPalette::Light) : colours.color(QPalette::Shadow);
    const QColor bottomRight =
        frame == Frame::Raised ? colours.color(QPalette::Dark) : colours.color(QPalette::Light);
    // Filled one-pixel strips, not lines: a line is centred on the pixel's edge and
    // at a fractional or doubled pixel density would stray half a pixel inwards.
    const int right = width() - 1;
    const int bottom = height() - 1;
    QPainter painter(this);
    painter.fillRect(0, 0, width(), 1, topLeft);
    painter.fillRect(0, 0, 1, height(), topLeft);
    painter.fillRect(right, 0, 1, height(), bottomRight);
    painter.fillRect(0, bottom, width(), 1, bottomRight);
}

void FlatButton::mousePressEvent(QMouseEvent* event)
{
    // An enabled button keeps presses of every mouse button from the skin beneath;
    // a disabled one gets none, so they reach the skin.
    event->accept();
    if (event->button() != Qt::LeftButton) {
        return;
    }
    held_ = true;
    heldOver_ = true;
    update();
}

void FlatButton::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
    if (!held_) {
        return;
    }
    const bool over = rect().contains(event->position().toPoint());
    if (over != heldOver_) {
        heldOver_ = over;
        update();
    }
}

void FlatButton::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !held_) {
        return;
    }
    const bool click = rect().contains(event->position().toPoint());
    held_ = false;
    heldOver_ = false;
    update();
    if (click) {
        emit clicked();
    }
}

void FlatButton::enterEvent(QEnterEvent*)
{
    update();
}

void FlatButton::leaveEvent(QEvent*)
{
    update();
}

void FlatButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && !isEnabled()) {
        held_ = false;
        heldOver_ = false;
    }
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::ActivationChange) {
        update();
    }
    QWidget::changeEvent(event);
}
