#pragma once
#include "docx/Paragraph.h"
#include "docx/Table.h"
#include <QString>
#include <variant>

namespace orvella::docx {

// The start of a bookmark that covers a table; it ends in a later paragraph's bookmarkEnds.
struct BookmarkStart {
    int id = 0;
    QString name;
};

// What a section's body holds, in order.
using Block = std::variant<Paragraph, Table, BookmarkStart>;

} // namespace orvella::docx
