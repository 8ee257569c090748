#pragma once
#include <QWidget>
#include <QtMath>

namespace orvella::mainwindow {

// Window figures are kept in twips (1/1440 inch); this turns one into pixels for the
// screen the widget is on, so larger system fonts (a higher logical dpi) get a larger window.
inline int pixelsFromTwips(const QWidget* widget, int value) {
    const int dpi = widget ? widget->logicalDpiX() : 96;
    return qRound(value * qreal(dpi > 0 ? dpi : 96) / 1440.0);
}

} // namespace orvella::mainwindow
