#pragma once

class QMouseEvent;
class QWidget;

// Moves a frameless window with the mouse from a press until the button is let go.
// The window manager does the move where it offers one; where it does not, as on
// a bare X server, the window follows the pointer by itself.
void StartWindowDrag(QWidget* window, const QMouseEvent* press);
