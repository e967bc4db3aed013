#pragma once
// The font of the window's controls. The pages are laid out in pixels for a
// small 11-pixel sans font; Liberation Sans (fonts-liberation) has Arial's
// widths on every desktop, and a pixel size keeps the layout whole whatever
// font DPI or scaling the desktop sets.

#include <QFont>

namespace kel {

inline QFont interfaceFont()
{
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

} // namespace kel
