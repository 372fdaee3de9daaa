#pragma once

#include <QWidget>

// Names a control and puts it at its place on its parent, in pixels.
template <class Control>
Control* Placed(Control* control, const char* name, int left, int top, int width, int height)
{
    control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(left, top, width, height);
    return control;
}
