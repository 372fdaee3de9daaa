#pragma once

#include <functional>

#include <QString>

// Every event handler runs inside this guard, so that an error never crosses the
// event loop: the application's error box shows it and the program goes on.
void RunGuarded(const std::function<void()>& handler);

// The error box's text: the message, with a full stop added when its last
// character sorts after the full stop.
QString ApplicationErrorText(const QString& message);
