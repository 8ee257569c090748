#pragma once
#include "docx/Units.h"
#include <utility>

namespace orvella::docx {

enum class Orientation { Portrait, Landscape };

// Page size and margins of a section. Width and height are what the page shows: a landscape
// page has them swapped.
struct PageSetup {
    Twips width = Twips::from(Inches{8.5}); // US Letter
    Twips height = Twips::from(Inches{11});
    Orientation orientation = Orientation::Portrait;
    Twips top = Twips::from(Inches{1});
    Twips bottom = Twips::from(Inches{1});
    Twips left = Twips::from(Inches{1});
    Twips right = Twips::from(Inches{1});
    Twips header = Twips::from(Inches{0.5});
    Twips footer = Twips::from(Inches{0.5});

    Twips textWidth() const { return width - left - right; }

    // Word's Orientation property: turning the page swaps its width and height.
    void setOrientation(Orientation o) {
        if (o != orientation) {
            std::swap(width, height);
            orientation = o;
        }
    }
};

} // namespace orvella::docx
