#pragma once

namespace orvella::docx {

// Lengths in the document model are twips (1/20 point), the unit WordprocessingML uses for
// page and table geometry.
constexpr int twipsPerPoint = 20;
constexpr int pt(double points) {
    return int(points * twipsPerPoint + (points >= 0 ? 0.5 : -0.5));
}
constexpr int inches(double in) {
    return pt(in * 72);
}

// Word's colour values are 0xBBGGRR; the file wants "RRGGBB".
struct WordColor {
    static constexpr int red = 255;
    static constexpr int oliveGreen = 13107; // red 51, green 51, blue 0
};

} // namespace orvella::docx
