#pragma once
#include "docx/Block.h"
#include "docx/PageSetup.h"
#include <vector>

namespace orvella::docx {

// A section: its page set-up and its content. Every section after the first starts on a
// new page; all sections show the document's header and footer.
struct Section {
    PageSetup page;
    std::vector<Block> blocks;

    Paragraph& addParagraph(Paragraph p = {}) {
        return std::get<Paragraph>(blocks.emplace_back(std::move(p)));
    }
    Table& addTable(Table t) { return std::get<Table>(blocks.emplace_back(std::move(t))); }
};

} // namespace orvella::docx
