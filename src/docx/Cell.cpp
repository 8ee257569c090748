#include "docx/Cell.h"

namespace orvella::docx {

void Cell::setText(const QString& text) {
    QString normal = text;
    if (normal.contains(QLatin1Char('\r'))) { // rare: spare the copy and the scans otherwise
        normal.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        normal.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    }
    Paragraph p;
    p.alignment = m_alignment;
    p.markFont = m_mark;
    if (!normal.isEmpty())
        p.runs.push_back(Run::plain(std::move(normal), m_mark));
    m_paragraphs.clear();
    m_paragraphs.push_back(std::move(p));
}

QString Cell::text() const {
    QString t;
    for (std::size_t i = 0; i < m_paragraphs.size(); ++i) {
        if (i)
            t += QLatin1Char('\n');
        t += m_paragraphs[i].text();
    }
    return t;
}

bool Cell::isEmpty() const {
    for (const Paragraph& p : m_paragraphs)
        if (!p.runs.empty())
            return false;
    return true;
}

void Cell::appendRun(const Run& run) {
    if (m_paragraphs.empty()) {
        m_paragraphs.emplace_back();
        m_paragraphs.back().alignment = m_alignment;
        m_paragraphs.back().markFont = m_mark;
    }
    m_paragraphs.back().runs.push_back(run);
}

template <typename F> void Cell::forEachFont(F f) {
    f(m_mark);
    for (Paragraph& p : m_paragraphs) {
        f(p.markFont);
        for (Run& r : p.runs)
            f(r.font);
    }
}

void Cell::setFont(const QString& name, Points size, bool bold) {
    forEachFont([&](Font& font) {
        font.name = name;
        font.setSize(size);
        font.bold = bold;
    });
}

void Cell::setFontName(const QString& name) {
    forEachFont([&](Font& font) { font.name = name; });
}

void Cell::setSize(Points size) {
    forEachFont([&](Font& font) { font.setSize(size); });
}

void Cell::setBold(bool bold) {
    forEachFont([&](Font& font) { font.bold = bold; });
}

void Cell::setColor(const QString& rrggbb) {
    forEachFont([&](Font& font) { font.color = rrggbb; });
}

void Cell::setAlignment(Alignment alignment) {
    m_alignment = alignment;
    for (Paragraph& p : m_paragraphs)
        p.alignment = alignment;
}

Cell Cell::emptyCopy() const {
    Cell c;
    c.gridSpan = gridSpan;
    c.borders = borders;
    c.shading = shading;
    c.topMargin = topMargin;
    c.vAlign = vAlign;
    c.m_mark = m_mark;
    c.m_alignment = m_alignment;
    c.m_paragraphs.front().alignment = m_alignment;
    c.m_paragraphs.front().markFont = m_mark;
    return c;
}

void Cell::absorb(Cell&& other) {
    if (other.isEmpty())
        return;
    if (isEmpty())
        m_paragraphs = std::move(other.m_paragraphs);
    else
        for (Paragraph& p : other.m_paragraphs)
            m_paragraphs.push_back(std::move(p));
}

} // namespace orvella::docx
