#pragma once

#include <QTimer>

// Time passes as the test says: a timer's moment comes when the test fires it.
inline void Fire(QTimer* timer)
{
    QMetaObject::invokeMethod(timer, "timeout");
}
