#pragma once
#include "docx/Cell.h"
#include <vector>

namespace orvella::docx {

// A table row: its cells, left to right, and a minimum height (0 for none).
struct Row {
    std::vector<Cell> cells;
    Twips minHeight;        // height rule "at least"
    bool cantSplit = false; // kept whole on one page
    bool header = false;    // repeated at the top of every page; only leading rows repeat
};

} // namespace orvella::docx
