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
    const QString &cell(int col, int row) const;
    void setCell(int col, int row, const QString &text);

    void clear();
    void resize(int cols, int rows);

    bool operator==(const TextGrid &other) const = default;

private:
    int m_cols;
    int m_rows;
    QList<QString> m_cells;
};

} // namespace tamb
