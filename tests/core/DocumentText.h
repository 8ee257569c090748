#pragma once
#include "docx/Cell.h"
#include <QString>
#include <ostream>

namespace orvella::docx {
// Lengths print as their number in failure messages.
template <int perPoint> void PrintTo(Length<perPoint> length, std::ostream* os) {
    *os << length.value();
}
} // namespace orvella::docx

// The text of a cell's bold runs, in order: what a reader of the page sees in bold.
inline QString boldText(const orvella::docx::Cell& cell) {
    QString s;
    for (const orvella::docx::Paragraph& p : cell.paragraphs())
        for (const orvella::docx::Run& r : p.runs)
            if (r.font.bold)
                s += r.visibleText();
    return s;
}
