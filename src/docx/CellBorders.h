#pragma once

namespace orvella::docx {

// A cell edge either follows the table's borders, is drawn as a single line or is hidden.
enum class BorderLine : unsigned char { Inherit, Single, Hidden };

enum class Edge { Top, Left, Bottom, Right };

struct CellBorders {
    BorderLine top = BorderLine::Inherit;
    BorderLine left = BorderLine::Inherit;
    BorderLine bottom = BorderLine::Inherit;
    BorderLine right = BorderLine::Inherit;

    BorderLine& operator[](Edge e) {
        switch (e) {
        case Edge::Top:
            return top;
        case Edge::Left:
            return left;
        case Edge::Bottom:
            return bottom;
        case Edge::Right:
            break;
        }
        return right;
    }
    bool isEmpty() const {
        return top == BorderLine::Inherit && left == BorderLine::Inherit &&
               bottom == BorderLine::Inherit && right == BorderLine::Inherit;
    }
    bool operator==(const CellBorders&) const = default;
};

} // namespace orvella::docx
