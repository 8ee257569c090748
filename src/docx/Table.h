#pragma once
#include "docx/Row.h"
#include <vector>

namespace orvella::docx {

// A table on a column grid, addressed like Word: row r and cell c are 1-based and count the
// cells as they stand (a merged cell is one cell). Every row always covers the whole grid.
class Table {
public:
    Table(int rows, int columns, Twips width);

    int rowCount() const { return int(m_rows.size()); }
    int columnCount() const { return int(m_grid.size()); }
    int cellCount(int r) const { return int(row(r).cells.size()); }
    Row& row(int r) { return m_rows.at(std::size_t(r - 1)); }
    const Row& row(int r) const { return m_rows.at(std::size_t(r - 1)); }
    Cell& cell(int r, int c) { return row(r).cells.at(std::size_t(c - 1)); }
    const Cell& cell(int r, int c) const { return row(r).cells.at(std::size_t(c - 1)); }
    bool hasCell(int r, int c) const {
        return r >= 1 && r <= rowCount() && c >= 1 && c <= cellCount(r);
    }

    const std::vector<Twips>& grid() const { return m_grid; }
    Twips width() const;
    // First grid column (0-based) that cell (r,c) covers, and its width.
    int gridStart(int r, int c) const;
    Twips cellWidth(int r, int c) const;

    // Sets one grid column's width; the other columns keep theirs.
    void setColumnWidth(int column, Twips width);
    void setRowMinHeight(int r, Twips height) { row(r).minHeight = height; }
    void setRowBorder(int r, Edge edge, BorderLine line);

    // Adds a row at the end shaped like the last row: its cells, spans, borders and margins,
    // without text.
    void addRow();
    // Inserts a row before row r, shaped like row r.
    void insertRowBefore(int r);
    void deleteRow(int r);

    // Word's Cell.Merge: cell (r2,c2) is merged into cell (r1,c1). Cells of one row become one
    // cell spanning both; cells of one column, one above the other, merge vertically (the upper
    // cell takes the lower one's place). The merged cell keeps the non-empty contents of both.
    // Returns false, changing nothing, for cells that are not neighbours in either sense.
    bool merge(int r1, int c1, int r2, int c2);

    // Splits cell (r,c) into two cells of equal width; the grid gains a column where needed
    // and the other rows' cells span it.
    void splitCell(int r, int c);

private:
    bool mergeHorizontal(int r, int c1, int c2);
    bool mergeVertical(int r1, int c1, int r2, int c2);
    int cellAtGrid(int r, int gridColumn) const; // 1-based cell index or 0

    std::vector<Twips> m_grid;
    std::vector<Row> m_rows;
};

} // namespace orvella::docx
