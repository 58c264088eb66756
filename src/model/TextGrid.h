#pragma once

#include <QList>
#include <QString>

namespace tamb {

// The cell texts of one string grid, addressed (column, row) as on screen.
// Cell texts are data: other parts of the program read them back.
class TextGrid
{
public:
    TextGrid(int cols, int rows);

    int colCount() const { return m_cols; }
    int rowCount() const { return m_rows; }
    bool contains(int col, int row) const
    {
        return col >= 0 && row >= 0 && col < m_cols && row < m_rows;
    }

    // Outside the grid reads empty and writes nothing.
    const QString &cell(int col, int row) const
    {
        if (!contains(col, row))
            return emptyCell();
        return m_cells.at(qsizetype(row) * m_cols + col);
    }
    void setCell(int col, int row, const QString &text);
    // The cells of one row, columns 0..colCount()-1; null outside the grid.
    const QString *rowCells(int row) const
    {
        return row >= 0 && row < m_rows ? m_cells.constData() + qsizetype(row) * m_cols : nullptr;
    }

    void clear();
    // Empties the cells of columns firstCol..lastCol in rows firstRow..lastRow
    // (as far as they lie in the grid).
    void clearCells(int firstCol, int lastCol, int firstRow, int lastRow);
    void resize(int cols, int rows);

    bool operator==(const TextGrid &other) const = default;

private:
    static const QString &emptyCell();

    int m_cols;
    int m_rows;
    QList<QString> m_cells;
};

} // namespace tamb
