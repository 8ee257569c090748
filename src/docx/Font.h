#pragma once
#include "docx/Units.h"
#include <QString>
#include <cstdint>

namespace orvella::docx {

// Word's colour values are 0xBBGGRR; the file wants "RRGGBB".
struct WordColor {
    static constexpr int red = 255;
    static constexpr int oliveGreen = 13107; // red 51, green 51, blue 0
};

// A colour as the file writes it, "RRGGBB", held in four bytes (a large document has
// thousands of formats); an empty or malformed text is no colour.
class RgbColor {
public:
    RgbColor() = default;
    RgbColor(const QString& rrggbb) { // implicit: a colour is given as its text
        bool ok = false;
        const uint value = rrggbb.size() == 6 ? rrggbb.toUInt(&ok, 16) : 0;
        if (ok)
            m_value = value;
    }
    bool isEmpty() const { return m_value == none; }
    QString toString() const {
        return isEmpty() ? QString()
                         : QStringLiteral("%1").arg(m_value, 6, 16, QLatin1Char('0')).toUpper();
    }
    bool operator==(const RgbColor&) const = default;
    bool operator==(const QString& rrggbb) const { return *this == RgbColor(rrggbb); }

private:
    static constexpr std::uint32_t none = 0xFFFFFFFF;
    std::uint32_t m_value = none;
};

// Character formatting of a run. An empty name or colour, or a zero size, means the
// document's default.
struct Font {
    QString name;
    HalfPoints size;
    bool bold = false;
    RgbColor color;

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
