#pragma once
#include "docx/Cell.h"
#include "docx/Table.h"
#include <QList>
#include <QString>
#include <functional>

namespace orvella::docx {

// Where each word of `text` ends, counted as Word counts words: a run of letters or digits
// with the blanks that follow it; each punctuation mark (with the blanks after it) and each
// line break is a word of its own.
QList<int> wordEnds(const QString& text);

// Applies `change` to the font of the characters [from, to) of the cell's text, splitting
// runs where needed. Paragraph ends count as one character.
void formatCharacters(Cell& cell, int from, int to, const std::function<void(Font&)>& change);

// Applies `change` to words first..last (1-based) of the cell; words past the end are ignored.
void formatWords(Cell& cell, int first, int last, const std::function<void(Font&)>& change);

// Roughly how tall the cell's content is at the given cell width: characters at Arial's
// average width, lines at 1.15 times their largest size. Good for deciding whether a row fits
// on a page comfortably, not for laying it out.
Points estimatedHeight(const Cell& cell, Twips width);

// Makes the first n words of the cell bold.
void BoldLeadingWords(Cell& cell, int n);

// Merges cells firstColumn..lastColumn of the row into one, from the right. Does nothing
// unless 1 <= firstColumn <= lastColumn, 2 <= lastColumn, both at most 25 and row >= 1;
// cells the row does not have are left alone.
void MergeRowCells(Table& table, int firstColumn, int lastColumn, int row);

} // namespace orvella::docx
