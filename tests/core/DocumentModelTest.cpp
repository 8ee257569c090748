// The Word-like operations of the document model: the word rule, merges, added rows, splits.
#include "DocumentText.h"
#include "QtPrinters.h"
#include "docx/Table.h"
#include "docx/WordOperations.h"
#include <gtest/gtest.h>

using namespace orvella::docx;

// A length of one unit does not pass for another, and a bare number is none of them.
static_assert(!std::is_convertible_v<int, Twips> && !std::is_constructible_v<Twips, HalfPoints>);
static_assert(!std::is_invocable_v<decltype(&Table::setColumnWidth), Table&, int, HalfPoints>);
static_assert(!std::is_invocable_v<decltype(&Cell::setSize), Cell&, Twips>);
static_assert(!std::is_invocable_v<decltype(&Cell::setSize), Cell&, int>);
static_assert(Twips::from(Inches{0.5}) == Twips{720} &&
              HalfPoints::from(Points{10.5}) == HalfPoints{21});

namespace {

QString boldLeading(const QString& text, int n) {
    Cell c;
    c.setText(text);
    BoldLeadingWords(c, n);
    return boldText(c);
}

} // namespace

TEST(WordRule, LabelsBoldTheirWordsAsWordCountsThem) {
    struct Case {
        const char* text;
        int n;
        const char* bold;
    };
    const Case cases[] = {
        {"Facility: \r\nCorvane", 1, "Facility"},
        {"Project Coordinator: \r\nMorgan", 2, "Project Coordinator"},
        {"Coordinador del Proyecto: \r\nX", 3, "Coordinador del Proyecto"},
        {"Plants:\r\n\tA", 1, "Plants"},
        {"Critical Control Point #12: \r\nTask", 4, "Critical Control Point #"},
        {"Punto Crítico de Control #1: Task", 5, "Punto Crítico de Control #"},
        {"Significant Hazards: \r\nPlant: x", 4, "Significant Hazards: \n"},
        {"Riesgo(s) Significativo(s): Plant", 8, "Riesgo(s) Significativo(s)"},
        {"Monitoring: What? \r\nTyres", 4, "Monitoring: What? "},
        {"Control - Qué: \r\nx", 3, "Control - Qué"},
        {"Evaluation & Corrective Actions: \r\nx", 4, "Evaluation & Corrective Actions"},
        {"Evaluación & Acción(es) Correctiva(s): \r\nx", 10,
         "Evaluación & Acción(es) Correctiva(s)"},
        {"Documentación de Apoyo (si la hay): x", 8, "Documentación de Apoyo (si la hay)"},
        {"Supporting Documentation: ", 2, "Supporting Documentation"},
        {"Two words", 9, "Two words"},
        {"", 3, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(boldLeading(QString::fromUtf8(c.text), c.n), QString::fromUtf8(c.bold)) << c.text;
}

TEST(WordRule, FormattingSplitsRunsAndKeepsTheRest) {
    Cell c;
    c.setFont(QStringLiteral("Arial"), Points{12}, false);
    c.setText(QStringLiteral("Other Biologics:\n\tx"));
    formatWords(c, 2, 2, [](Font& f) {
        f.bold = true;
        f.setSize(Points{10});
    });
    const auto& runs = c.paragraphs().front().runs;
    ASSERT_EQ(runs.size(), 3u);
    EXPECT_EQ(runs[0].text, QStringLiteral("Other "));
    EXPECT_EQ(runs[1].text, QStringLiteral("Biologics"));
    EXPECT_TRUE(runs[1].font.bold);
    EXPECT_EQ(runs[1].font.size, HalfPoints{20});
    EXPECT_EQ(runs[2].text, QStringLiteral(":\n\tx"));
    EXPECT_EQ(runs[2].font.size, HalfPoints{24});
    EXPECT_EQ(c.text(), QStringLiteral("Other Biologics:\n\tx"));
}

TEST(MergeRowCells, MergesFromTheRightAndIgnoresOutOfRangeArguments) {
    Table t(2, 4, Twips{4000});
    t.cell(1, 1).setText(QStringLiteral("a"));
    t.cell(1, 3).setText(QStringLiteral("c"));
    for (auto [first, last, row] :
         {std::tuple{0, 3, 1}, {2, 1, 1}, {1, 26, 1}, {3, 2, 1}, {1, 1, 1}, {1, 3, 0}, {1, 3, 9}}) {
        MergeRowCells(t, first, last, row);
        EXPECT_EQ(t.cellCount(1), 4) << first << last << row;
    }
    MergeRowCells(t, 1, 3, 1);
    ASSERT_EQ(t.cellCount(1), 2);
    EXPECT_EQ(t.cell(1, 1).gridSpan, 3);
    EXPECT_EQ(t.cellWidth(1, 1), Twips{3000});
    EXPECT_EQ(t.cell(1, 1).text(), QStringLiteral("a\nc"));
    MergeRowCells(t, 2, 9, 2); // the row has only four cells
    EXPECT_EQ(t.cellCount(2), 2);
    EXPECT_EQ(t.cell(2, 2).gridSpan, 3);
}

TEST(TableOperations, AddedRowCopiesTheLastRowsShapeWithoutText) {
    Table t(1, 3, Twips{3000});
    Cell& c = t.cell(1, 1);
    c.setText(QStringLiteral("title"));
    c.topMargin = Twips{100};
    c.borders.left = BorderLine::Hidden;
    t.setRowMinHeight(1, Twips{400});
    t.merge(1, 2, 1, 3);
    t.addRow();
    ASSERT_EQ(t.rowCount(), 2);
    EXPECT_EQ(t.cellCount(2), 2);
    EXPECT_EQ(t.cell(2, 2).gridSpan, 2);
    EXPECT_EQ(t.cell(2, 1).topMargin, Twips{100});
    EXPECT_EQ(t.cell(2, 1).borders.left, BorderLine::Hidden);
    EXPECT_TRUE(t.cell(2, 1).isEmpty());
    EXPECT_EQ(t.row(2).minHeight, Twips{400});
}

TEST(TableOperations, VerticalMergeMovesTextUpAndChainsBlocks) {
    Table t(4, 2, Twips{2000});
    t.cell(3, 1).setText(QStringLiteral("task"));
    t.cell(4, 1).setText(QStringLiteral("task"));
    ASSERT_TRUE(t.merge(3, 1, 4, 1));
    EXPECT_EQ(t.cell(3, 1).vMerge, VerticalMerge::Restart);
    EXPECT_EQ(t.cell(4, 1).vMerge, VerticalMerge::Continue);
    EXPECT_EQ(t.cell(3, 1).text(), QStringLiteral("task\ntask"));
    EXPECT_TRUE(t.cell(4, 1).isEmpty());
    // The block merges into the cell above: one block of three.
    t.cell(3, 1).clear();
    t.cell(3, 1).setText(QStringLiteral("task"));
    ASSERT_TRUE(t.merge(2, 1, 3, 1));
    EXPECT_EQ(t.cell(2, 1).vMerge, VerticalMerge::Restart);
    EXPECT_EQ(t.cell(3, 1).vMerge, VerticalMerge::Continue);
    EXPECT_EQ(t.cell(4, 1).vMerge, VerticalMerge::Continue);
    EXPECT_EQ(t.cell(2, 1).text(), QStringLiteral("task"));
    // Cells of different widths do not merge.
    t.merge(1, 1, 1, 2);
    EXPECT_FALSE(t.merge(1, 1, 2, 1));
    // Deleting the head of a block lets the next row start it.
    t.deleteRow(2);
    EXPECT_EQ(t.cell(2, 1).vMerge, VerticalMerge::Restart);
}

TEST(TableOperations, SplittingAOneColumnRowRefinesTheGrid) {
    Table t(3, 1, Twips{9000});
    t.splitCell(3, 1);
    EXPECT_EQ(t.grid(), (std::vector<Twips>{Twips{4500}, Twips{4500}}));
    EXPECT_EQ(t.cellCount(1), 1);
    EXPECT_EQ(t.cell(1, 1).gridSpan, 2);
    EXPECT_EQ(t.cellCount(3), 2);
    EXPECT_EQ(t.cellWidth(3, 2), Twips{4500});
    t.addRow();
    EXPECT_EQ(t.cellCount(4), 2);
    // A cell that already spans two columns splits along them.
    t.splitCell(1, 1);
    EXPECT_EQ(t.cellCount(1), 2);
    EXPECT_EQ(t.columnCount(), 2);
}
