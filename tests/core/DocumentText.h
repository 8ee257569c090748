#pragma once
#include "docx/Cell.h"
#include <QString>

// The text of a cell's bold runs, in order: what a reader of the page sees in bold.
inline QString boldText(const orvella::docx::Cell& cell) {
    QString s;
    for (const orvella::docx::Paragraph& p : cell.paragraphs())
        for (const orvella::docx::Run& r : p.runs)
            if (r.font.bold)
                s += r.visibleText();
    return s;
}
