#pragma once
#include <compare>

namespace orvella::docx {

// Lengths as WordprocessingML counts them, each unit its own type: a column width cannot be
// passed where a font size is meant, and a bare number is no length at all. Lengths are
// written in points or inches and rounded into the file's whole units by the target's
// from(); nothing converts implicitly.

class Points {
public:
    constexpr explicit Points(double value) : m_value(value) {}
    constexpr double value() const { return m_value; }

private:
    double m_value;
};

class Inches {
public:
    constexpr explicit Inches(double value) : m_value(value) {}
    constexpr Points toPoints() const { return Points(m_value * 72); }

private:
    double m_value;
};

// A whole number of 1/perPoint points.
template <int perPoint> class Length {
public:
    constexpr Length() = default;
    constexpr explicit Length(int value) : m_value(value) {}
    // Rounded to the nearest unit, halves away from zero.
    static constexpr Length from(Points p) {
        const double units = p.value() * perPoint;
        return Length(int(units + (units >= 0 ? 0.5 : -0.5)));
    }
    static constexpr Length from(Inches in) { return from(in.toPoints()); }

    constexpr int value() const { return m_value; }
    constexpr auto operator<=>(const Length&) const = default;

    constexpr Length operator+(Length o) const { return Length(m_value + o.m_value); }
    constexpr Length operator-(Length o) const { return Length(m_value - o.m_value); }
    constexpr Length operator*(int n) const { return Length(m_value * n); }
    constexpr Length operator/(int n) const { return Length(m_value / n); }
    constexpr Length& operator+=(Length o) {
        m_value += o.m_value;
        return *this;
    }

private:
    int m_value = 0;
};

// Page and table geometry ("dxa"): 1440 to the inch.
using Twips = Length<20>;
// Font sizes (w:sz of a run).
using HalfPoints = Length<2>;
// Border widths (w:sz of a border).
using EighthPoints = Length<8>;

} // namespace orvella::docx
