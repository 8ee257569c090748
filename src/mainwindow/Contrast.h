#pragma once
#include <QColor>

namespace orvella::mainwindow {

// WCAG's contrast ratio of two colours, 1 to 21.
double contrastRatio(const QColor& a, const QColor& b);

// `wanted`, lightened on a dark background or darkened on a light one until it reaches
// `ratio` against it: a signal colour that stays readable in dark and high-contrast palettes.
QColor readableOn(const QColor& wanted, const QColor& background, double ratio = 4.5);

} // namespace orvella::mainwindow
