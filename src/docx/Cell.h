#pragma once
#include "docx/CellBorders.h"
#include "docx/Paragraph.h"
#include "docx/Units.h"
#include <QString>
#include <optional>
#include <vector>

namespace orvella::docx {

enum class VerticalAlignment : unsigned char { Top, Center, Bottom };
enum class VerticalMerge : unsigned char { None, Restart, Continue };

// One table cell. Its width follows from the grid columns it spans. Like a Word cell it
// remembers the formatting of its end mark, so text written later takes the cell's format.
class Cell {
public:
    // Small members together: a large plan's document holds thousands of cells.
    std::optional<Twips> topMargin; // none follows the table
    int gridSpan = 1;
    RgbColor shading; // fill, none when empty
    CellBorders borders;
    VerticalMerge vMerge = VerticalMerge::None;
    VerticalAlignment vAlign = VerticalAlignment::Top;

    // Replaces the content; CR LF, CR and LF each become a line break.
    void setText(const QString& text);
    // The content as text, paragraphs joined by '\n'.
    QString text() const;
    bool isEmpty() const;
    void clear() { setText(QString()); }
    // Appends a run in the cell's current format (or the given one) to the last paragraph.
    void appendRun(const Run& run);

    // Whole-cell formatting, like a Word range covering the cell.
    void setFont(const QString& name, Points size, bool bold);
    void setFontName(const QString& name);
    void setSize(Points size);
    void setBold(bool bold);
    void setColor(const QString& rrggbb);
    void setAlignment(Alignment alignment);
    Alignment alignment() const { return m_alignment; }
    const Font& markFont() const { return m_mark; }

    // A copy with the same properties and format but no text (a row added like the last one).
    Cell emptyCopy() const;
    // Takes over the content of `other` after its own, as merging two cells does in Word;
    // empty content adds nothing.
    void absorb(Cell&& other);

    std::vector<Paragraph>& paragraphs() { return m_paragraphs; }
    const std::vector<Paragraph>& paragraphs() const { return m_paragraphs; }

private:
    template <typename F> void forEachFont(F f);

    std::vector<Paragraph> m_paragraphs{Paragraph{}};
    Font m_mark;
    Alignment m_alignment = Alignment::Left;
};

} // namespace orvella::docx
