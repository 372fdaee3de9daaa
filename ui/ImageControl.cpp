#include "ImageControl.h"

#include <QMouseEvent>
#include <QPainter>

#include "AccessibleControls.h"
#include "PictureScaling.h"

ImageControl::ImageControl(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoMousePropagation);
    InstallAccessibleControls();
}

void ImageControl::SetPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    if (picture_.isNull()) {
        return;
    }
    QPainter painter(this);
    SetPictureScaling(painter, devicePixelRatioF());
    painter.drawPixmap(0, 0, picture_);
}

void ImageControl::mousePressEvent(QMouseEvent* event)
{
    event->accept();
    emit mouseDown(event);
}
