#pragma once

class QFont;
class QWidget;

// The text controls of the program show lime text on black in a small sans font,
// the same whether they are enabled or not.
QFont SansFont(int pixelSize);
void ApplyConsoleLook(QWidget* control, int fontPixelSize);
