#pragma once
#include "docx/Font.h"
#include <QString>

namespace orvella::docx {

// A stretch of uniformly formatted content. Text may hold '\t' (a tab), '\n' (a line break)
// and '\f' (a page break); the writer turns them into their elements.
struct Run {
    enum class Kind : unsigned char { Text, Symbol, PageField };

    // Largest first: a big plan's document holds thousands of runs.
    QString text;
    Font font;
    QString symbolFont;
    char16_t symbol = 0; // Kind::Symbol: the character code in symbolFont (e.g. 0xF048)
    Kind kind = Kind::Text;

    static Run plain(const QString& text, const Font& font = {}) {
        return Run{text, font, {}, 0, Kind::Text};
    }
    static Run symbolChar(const QString& fontName, char16_t code, const Font& font = {}) {
        return Run{{}, font, fontName, code, Kind::Symbol};
    }
    static Run pageNumber(const Font& font = {}) { return Run{{}, font, {}, 0, Kind::PageField}; }

    // What the run contributes to the text of its paragraph: a symbol or a field is one
    // character that is neither a letter nor a blank.
    QString visibleText() const {
        return kind == Kind::Text ? text : QString(QChar(kind == Kind::Symbol ? symbol : 0xFFFC));
    }
};

} // namespace orvella::docx
