#pragma once
#include "docx/Units.h"
#include <QString>

namespace orvella::docx {

// Word's colour values are 0xBBGGRR; the file wants "RRGGBB".
struct WordColor {
    static constexpr int red = 255;
    static constexpr int oliveGreen = 13107; // red 51, green 51, blue 0
};

// Character formatting of a run. An empty name or colour, or a zero size, means the
// document's default.
struct Font {
    QString name;
    HalfPoints size;
    bool bold = false;
    QString color; // "RRGGBB"

    static QString colorFromWord(int bgr) {
        const int r = bgr & 0xFF, g = (bgr >> 8) & 0xFF, b = (bgr >> 16) & 0xFF;
        return QStringLiteral("%1%2%3")
            .arg(r, 2, 16, QLatin1Char('0'))
            .arg(g, 2, 16, QLatin1Char('0'))
            .arg(b, 2, 16, QLatin1Char('0'))
            .toUpper();
    }
    void setSize(Points points) { size = HalfPoints::from(points); }
    bool operator==(const Font&) const = default;
};

} // namespace orvella::docx
