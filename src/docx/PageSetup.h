#pragma once
#include "docx/Units.h"
#include <utility>

namespace orvella::docx {

enum class Orientation { Portrait, Landscape };

// Page size and margins of a section, in twips. Width and height are what the page shows:
// a landscape page has them swapped.
struct PageSetup {
    int width = inches(8.5); // US Letter
    int height = inches(11);
    Orientation orientation = Orientation::Portrait;
    int top = inches(1);
    int bottom = inches(1);
    int left = inches(1);
    int right = inches(1);
    int header = inches(0.5);
    int footer = inches(0.5);

    int textWidth() const { return width - left - right; }

    // Word's Orientation property: turning the page swaps its width and height.
    void setOrientation(Orientation o) {
        if (o != orientation) {
            std::swap(width, height);
            orientation = o;
        }
    }
};

} // namespace orvella::docx
