#include "model/TextGrid.h"

namespace tamb {

TextGrid::TextGrid(int cols, int rows)
    : m_cols(cols), m_rows(rows), m_cells(qsizetype(cols) * rows)
{
}

const QString &TextGrid::emptyCell()
{
    static const QString empty;
    return empty;
}

void TextGrid::setCell(int col, int row, const QString &text)
{
    if (!contains(col, row))
        return;
    const qsizetype i = qsizetype(row) * m_cols + col;
    // Writing the text a cell already holds (the same characters in the
    // same place) neither copies nor detaches the grid: a copied model
    // shares its cells until the first change.
    const QString &current = m_cells.at(i);
    if (current.constData() == text.constData() && current.size() == text.size()
        && current.isNull() == text.isNull())
        return;
    // Copy and swap stay inline; literal texts need no reference counting.
    QString copy(text);
    m_cells[i].swap(copy);
}

void TextGrid::clear()
{
    for (QString &text : m_cells)
        text.clear();
}

void TextGrid::clearCells(int firstCol, int lastCol, int firstRow, int lastRow)
{
    firstCol = qMax(firstCol, 0);
    firstRow = qMax(firstRow, 0);
    lastCol = qMin(lastCol, m_cols - 1);
    lastRow = qMin(lastRow, m_rows - 1);
    for (int row = firstRow; row <= lastRow; ++row)
        for (int col = firstCol; col <= lastCol; ++col) {
            const qsizetype i = qsizetype(row) * m_cols + col;
            // Empty cells are left alone: a copied grid stays shared.
            if (!m_cells.at(i).isNull())
                m_cells[i] = QString();
        }
}

void TextGrid::resize(int cols, int rows)
{
    TextGrid resized(cols, rows);
    for (int r = 0; r < qMin(rows, m_rows); ++r)
        for (int c = 0; c < qMin(cols, m_cols); ++c)
            resized.setCell(c, r, cell(c, r));
    *this = resized;
}

} // namespace tamb
