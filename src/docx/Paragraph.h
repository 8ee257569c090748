#pragma once
#include "docx/Run.h"
#include <QString>
#include <vector>

namespace orvella::docx {

enum class Alignment : unsigned char { Left, Center, Right };

// A paragraph: runs with one alignment. Bookmarks opened before a table close at the end
// of the paragraph that follows it.
struct Paragraph {
    Alignment alignment = Alignment::Left;
    std::vector<Run> runs;
    std::vector<int> bookmarkEnds; // ids
    Font markFont;                 // the paragraph mark's format: sets an empty line's height
    int headingLevel = 0; // 1 or 2: a heading (style Heading1/2) readers navigate by; 0: body text

    static Paragraph of(const QString& text, const Font& font = {},
                        Alignment alignment = Alignment::Left) {
        Paragraph p;
        p.alignment = alignment;
        p.markFont = font;
        p.runs.push_back(Run::plain(text, font));
        return p;
    }
    QString text() const {
        QString t;
        for (const Run& r : runs)
            t += r.visibleText();
        return t;
    }
};

} // namespace orvella::docx
