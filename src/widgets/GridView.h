#pragma once

#include "model/TextGrid.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QHash>
#include <QPoint>

class QButtonGroup;
#include <QTableView>

namespace tamb {

// Shows a TextGrid of the model as it is: leading blanks visible, row 0
// and the first `fixedCols` columns in the button-face colour.
class TextGridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    TextGridModel(const TextGrid *grid, int fixedCols, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

    void setFixedRows(int rows) { m_fixedRows = rows; }
    // The font a cell's text is drawn with when the view's own is too wide.
    void setCellFont(int col, int row, const QFont &font);
    void setCellBackground(const QColor &color) { m_background = color; }
    // Re-reads every cell (the grid may also have changed its size).
    void reload();

private:
    const TextGrid *m_grid;
    int m_fixedCols;
    int m_fixedRows = 1;
    int m_rows;
    int m_cols;
    QColor m_background;
    QHash<QPoint, QFont> m_cellFonts;
};

class GridView : public QTableView
{
    Q_OBJECT
public:
    GridView(const TextGrid *grid, int fixedCols, QWidget *parent = nullptr);

    TextGridModel *gridModel() const { return m_model; }
    void setColumnWidths(const QList<int> &widths);
    // Widths and heights of the cells without their grid line.
    void setRowHeights(int height);
    // Shows texts only: no focus, clicks pass through, text not greyed.
    void setDisplayOnly();
    void reload();
    // Narrows the font of every cell whose text is wider than its cell.
    void fitCellTexts();
    // (col, row) under a point of the viewport; -1 outside every cell.
    QPoint cellAt(const QPoint &viewportPos) const;

signals:
    void cellPressed(int col, int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                     const QPoint &globalPos);
    void cellReleased(int col, int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                      const QPoint &globalPos);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    TextGridModel *m_model;
};

} // namespace tamb

namespace tamb {
// Message texts carry LF CR or CR LF pairs; on screen each pair is one break.
QString shownText(const QString &text);
// The program's face: the classic Windows sans-serif where it exists, else a
// metric-compatible one, else the platform's sans-serif.
QFont programFont(qreal pointSize = 8);
// Checks the radio button `item` of an exclusive group; any other value
// leaves none checked.
void checkRadioItem(QButtonGroup *group, int item);
} // namespace tamb
