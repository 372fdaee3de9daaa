#include "ConsoleLook.h"

#include <QFont>
#include <QPalette>
#include <QWidget>

QFont SansFont(int pixelSize)
{
    // Liberation Sans has the widths of the Arial family, the nearest free match
    // for the small sans serif that the layout was measured with.
    QFont font("Liberation Sans");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

void ApplyConsoleLook(QWidget* control, int fontPixelSize)
{
    QPalette colours = control->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        colours.setColor(group, QPalette::Base, Qt::black);
        colours.setColor(group, QPalette::Text, QColor(0, 255, 0));
    }
    control->setPalette(colours);
    control->setFont(SansFont(fontPixelSize));
}
