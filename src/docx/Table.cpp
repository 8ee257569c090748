#include "docx/Table.h"
#include <numeric>

namespace orvella::docx {

Table::Table(int rows, int columns, Twips width) {
    columns = std::max(columns, 1);
    m_grid.assign(std::size_t(columns), width / columns);
    m_grid.back() += width - (width / columns) * columns;
    Row r;
    r.cells.resize(std::size_t(columns));
    m_rows.assign(std::size_t(std::max(rows, 1)), r);
}

Twips Table::width() const {
    return std::accumulate(m_grid.begin(), m_grid.end(), Twips{});
}

int Table::gridStart(int r, int c) const {
    int g = 0;
    for (int i = 1; i < c; ++i)
        g += cell(r, i).gridSpan;
    return g;
}

Twips Table::cellWidth(int r, int c) const {
    const int g = gridStart(r, c);
    Twips w;
    for (int i = g; i < g + cell(r, c).gridSpan && i < columnCount(); ++i)
        w += m_grid[std::size_t(i)];
    return w;
}

int Table::cellAtGrid(int r, int gridColumn) const {
    int g = 0;
    for (int c = 1; c <= cellCount(r); ++c) {
        if (g == gridColumn)
            return c;
        g += cell(r, c).gridSpan;
        if (g > gridColumn)
            return 0;
    }
    return 0;
}

void Table::setColumnWidth(int column, Twips width) {
    if (column >= 1 && column <= columnCount())
        m_grid[std::size_t(column - 1)] = width;
}

void Table::setRowBorder(int r, Edge edge, BorderLine line) {
    for (Cell& c : row(r).cells)
        c.borders[edge] = line;
}

static Row emptyCopyOf(const Row& source) {
    Row r;
    r.minHeight = source.minHeight;
    r.cells.reserve(source.cells.size());
    for (const Cell& c : source.cells)
        r.cells.push_back(c.emptyCopy());
    return r;
}

void Table::addRow() {
    m_rows.push_back(emptyCopyOf(m_rows.back()));
}

void Table::insertRowBefore(int r) {
    Row copy = emptyCopyOf(row(r));
    m_rows.insert(m_rows.begin() + (r - 1), std::move(copy));
}

void Table::deleteRow(int r) {
    const auto it = m_rows.begin() + (r - 1);
    // A vertical merge that loses its first cell starts again in the row below.
    if (it + 1 != m_rows.end()) {
        for (std::size_t c = 1; c <= it->cells.size(); ++c) {
            const Cell& gone = it->cells[c - 1];
            if (gone.vMerge != VerticalMerge::Restart)
                continue;
            const int below = cellAtGrid(r + 1, gridStart(r, int(c)));
            if (below && cell(r + 1, below).vMerge == VerticalMerge::Continue)
                cell(r + 1, below).vMerge = VerticalMerge::Restart;
        }
    }
    m_rows.erase(it);
}

bool Table::merge(int r1, int c1, int r2, int c2) {
    if (!hasCell(r1, c1) || !hasCell(r2, c2) || (r1 == r2 && c1 == c2))
        return false;
    if (r1 == r2)
        return mergeHorizontal(r1, std::min(c1, c2), std::max(c1, c2));
    return mergeVertical(r1, c1, r2, c2);
}

bool Table::mergeHorizontal(int r, int c1, int c2) {
    if (c2 != c1 + 1)
        return false;
    auto& cells = row(r).cells;
    Cell& left = cells[std::size_t(c1 - 1)];
    Cell& right = cells[std::size_t(c2 - 1)];
    left.gridSpan += right.gridSpan;
    left.absorb(std::move(right));
    cells.erase(cells.begin() + (c2 - 1));
    return true;
}

bool Table::mergeVertical(int r1, int c1, int r2, int c2) {
    int top = r1, topCell = c1, bottom = r2, bottomCell = c2;
    if (r2 < r1) {
        std::swap(top, bottom);
        std::swap(topCell, bottomCell);
    }
    const int g = gridStart(top, topCell);
    const int span = cell(top, topCell).gridSpan;
    if (gridStart(bottom, bottomCell) != g || cell(bottom, bottomCell).gridSpan != span)
        return false;
    // Every row in between must hold a cell of the same shape.
    for (int r = top + 1; r < bottom; ++r) {
        const int c = cellAtGrid(r, g);
        if (!c || cell(r, c).gridSpan != span)
            return false;
    }
    Cell& first = cell(top, topCell);
    if (first.vMerge == VerticalMerge::None)
        first.vMerge = VerticalMerge::Restart;
    if (first.vMerge == VerticalMerge::Continue)
        return false; // only the first cell of a merged block can take more
    for (int r = top + 1; r <= bottom; ++r) {
        Cell& below = cell(r, cellAtGrid(r, g));
        if (below.vMerge != VerticalMerge::Continue || r == bottom) {
            first.absorb(std::move(below));
            below.clear();
        }
        below.vMerge = VerticalMerge::Continue;
    }
    // The lower cell may itself have headed a merged block: its followers join this one.
    return true;
}

void Table::splitCell(int r, int c) {
    Cell& target = cell(r, c);
    const int g = gridStart(r, c);
    if (target.gridSpan >= 2) {
        Cell second = target.emptyCopy();
        second.vMerge = VerticalMerge::None;
        second.gridSpan = target.gridSpan / 2;
        target.gridSpan -= second.gridSpan;
        auto& cells = row(r).cells;
        cells.insert(cells.begin() + c, std::move(second));
        return;
    }
    // One grid column becomes two; every other row's cell over it spans both.
    const Twips w = m_grid[std::size_t(g)];
    m_grid[std::size_t(g)] = w / 2;
    m_grid.insert(m_grid.begin() + g + 1, w - w / 2);
    for (int i = 1; i <= rowCount(); ++i) {
        if (i == r)
            continue;
        int start = 0;
        for (Cell& other : row(i).cells) {
            if (start <= g && g < start + other.gridSpan) {
                ++other.gridSpan;
                break;
            }
            start += other.gridSpan;
        }
    }
    Cell second = target.emptyCopy();
    second.vMerge = VerticalMerge::None;
    auto& cells = row(r).cells;
    cells.insert(cells.begin() + c, std::move(second));
}

} // namespace orvella::docx
