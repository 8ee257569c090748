#pragma once
#include "docx/Cell.h"
#include <vector>

namespace orvella::docx {

// A table row: its cells, left to right, and a minimum height (0 for none).
struct Row {
    std::vector<Cell> cells;
    Twips minHeight; // height rule "at least"
};

} // namespace orvella::docx
