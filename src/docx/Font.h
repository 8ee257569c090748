#pragma once
#include <QString>

namespace orvella::docx {

// Character formatting of a run. An empty name or colour, or a zero size, means the
// document's default.
struct Font {
    QString name;
    int halfPoints = 0;
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
    void setPoints(double points) { halfPoints = int(points * 2 + 0.5); }
    bool operator==(const Font&) const = default;
};

} // namespace orvella::docx
