#include "model/TextGrid.h"

namespace tamb {

TextGrid::TextGrid(int cols, int rows)
    : m_cols(cols), m_rows(rows), m_cells(qsizetype(cols) * rows)
{
}

const QString &TextGrid::cell(int col, int row) const
{
    static const QString empty;
    if (!contains(col, row))
        return empty;
    return m_cells[qsizetype(row) * m_cols + col];
}

void TextGrid::setCell(int col, int row, const QString &text)
{
    if (contains(col, row))
        m_cells[qsizetype(row) * m_cols + col] = text;
}

void TextGrid::clear()
{
    for (QString &text : m_cells)
        text.clear();
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
