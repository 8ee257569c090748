#include "docx/Document.h"

namespace orvella::docx {

std::vector<Table*> Document::tables() {
    std::vector<Table*> all;
    for (Section& s : sections)
        for (Block& b : s.blocks)
            if (auto* t = std::get_if<Table>(&b))
                all.push_back(t);
    return all;
}

} // namespace orvella::docx
