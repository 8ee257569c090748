#include "docx/WordOperations.h"
#include <algorithm>

namespace orvella::docx {

namespace {

bool isBlank(QChar c) {
    return c == QLatin1Char(' ') || c == QChar(0x00A0);
}
bool isWordChar(QChar c) {
    return c.isLetterOrNumber() || c.isMark();
}
bool isLineBreak(QChar c) {
    return c == QLatin1Char('\n') || c == QLatin1Char('\r');
}

} // namespace

QList<int> wordEnds(const QString& text) {
    QList<int> ends;
    const int n = int(text.size());
    int i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (isLineBreak(c)) {
            i += (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n')) ? 2
                                                                                              : 1;
        } else if (isBlank(c)) {
            while (i < n && isBlank(text.at(i)))
                ++i;
        } else {
            if (isWordChar(c)) {
                while (i < n && isWordChar(text.at(i)))
                    ++i;
            } else {
                i += (c.isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) ? 2 : 1;
            }
            while (i < n && isBlank(text.at(i)))
                ++i;
        }
        ends.append(i);
    }
    return ends;
}

void formatCharacters(Cell& cell, int from, int to, const std::function<void(Font&)>& change) {
    if (from >= to)
        return;
    int pos = 0;
    for (Paragraph& p : cell.paragraphs()) {
        std::vector<Run> out;
        out.reserve(p.runs.size() + 2);
        for (Run& run : p.runs) {
            const int len = int(run.visibleText().size());
            const int start = pos, end = pos + len;
            pos = end;
            if (end <= from || start >= to || len == 0) {
                out.push_back(std::move(run));
                continue;
            }
            if (run.kind != Run::Kind::Text) {
                change(run.font);
                out.push_back(std::move(run));
                continue;
            }
            const int a = std::max(from, start) - start, b = std::min(to, end) - start;
            if (a > 0)
                out.push_back(Run::plain(run.text.left(a), run.font));
            Run mid = Run::plain(run.text.mid(a, b - a), run.font);
            change(mid.font);
            out.push_back(std::move(mid));
            if (b < len)
                out.push_back(Run::plain(run.text.mid(b), run.font));
        }
        p.runs = std::move(out);
        ++pos; // the paragraph end
    }
}

void formatWords(Cell& cell, int first, int last, const std::function<void(Font&)>& change) {
    if (first < 1 || last < first)
        return;
    const QList<int> ends = wordEnds(cell.text());
    if (first > ends.size())
        return;
    const int from = first == 1 ? 0 : ends.at(first - 2);
    const int to = ends.at(std::min<qsizetype>(last, ends.size()) - 1);
    formatCharacters(cell, from, to, change);
}

Points estimatedHeight(const Cell& cell, Twips width) {
    constexpr double averageCharWidth = 0.55; // of the font size, Arial's mixed-case text
    constexpr double lineSpacing = 1.15;
    constexpr double defaultSize = 12;
    constexpr Twips sideMargins{2 * 108};
    const double usable = std::max(width - sideMargins, Twips{20}).value() / 20.0;
    double total = 0;
    for (const Paragraph& p : cell.paragraphs()) {
        double lineWidth = 0, lineSize = 0;
        const auto endLine = [&] {
            total += lineSpacing * (lineSize > 0 ? lineSize : defaultSize);
            lineWidth = lineSize = 0;
        };
        for (const Run& r : p.runs) {
            const double size = r.font.size.value() > 0 ? r.font.size.value() / 2.0 : defaultSize;
            for (QChar c : r.visibleText()) {
                if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\v')) {
                    endLine();
                    continue;
                }
                lineSize = std::max(lineSize, size);
                lineWidth += averageCharWidth * size;
                if (lineWidth > usable) {
                    endLine();
                    lineWidth = averageCharWidth * size;
                    lineSize = size;
                }
            }
        }
        endLine();
    }
    return Points{total};
}

void BoldLeadingWords(Cell& cell, int n) {
    formatWords(cell, 1, n, [](Font& f) { f.bold = true; });
}

void MergeRowCells(Table& table, int firstColumn, int lastColumn, int row) {
    if (firstColumn < 1 || firstColumn > 25 || lastColumn < 2 || lastColumn > 25 ||
        firstColumn > lastColumn || row < 1 || row > table.rowCount())
        return;
    for (int c = lastColumn; c >= firstColumn + 1; --c)
        if (table.hasCell(row, c))
            table.merge(row, c - 1, row, c);
}

} // namespace orvella::docx
