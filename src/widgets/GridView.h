#pragma once

#include "model/TextGrid.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QHash>
#include <QPoint>
#include <functional>
#include <optional>

class QButtonGroup;
class QPainter;
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

    // Spoken names and tooltips of the cells; col, row -> text.
    using CellText = std::function<QString(int, int)>;
    void setCellTexts(CellText accessibleName, CellText toolTip);

    // Marks drawn over cells, or-ed; col, row -> marks.
    enum CellMark { Dimmed = 1, Suggested = 2, Targeted = 4 };
    using CellMarks = std::function<int(int, int)>;
    void setCellMarks(CellMarks marks) { m_marks = std::move(marks); }
    bool hasMarks() const { return bool(m_marks); }
    int marksOf(int col, int row) const { return m_marks ? m_marks(col, row) : 0; }

private:
    QColor backgroundOf(bool fixed) const;

    CellMarks m_marks;
    CellText m_accessibleName;
    CellText m_toolTip;
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

    // Keyboard use: a cell cursor that the arrows, Home/End and Page Up/Down
    // move; Space or Return acts as a left click on its cell, the menu key
    // as a right click. With `typing`, a digit also clicks the cell and is
    // then handed on by typedIntoCell.
    void enableKeyboardCursor(bool typing = false);
    // Presses and releases the mouse on the cursor's cell, so that the
    // click takes the same way as one of the mouse.
    void activateCursorCell(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
    void setCursorCell(int col, int row);
    QPoint cursorCell() const;
    // Names and tooltips of the cells (see TextGridModel::setCellTexts).
    void setCellTexts(TextGridModel::CellText accessibleName, TextGridModel::CellText toolTip);

signals:
    void cellPressed(int col, int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                     const QPoint &globalPos);
    void cellReleased(int col, int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                      const QPoint &globalPos);

    void typedIntoCell(int col, int row, const QString &text);

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;

private:
    bool keyboardKey(QKeyEvent *event);
    void paintCursor();
    void paintMarks(QPainter &painter);

    TextGridModel *m_model;
    bool m_keyboard = false;
    bool m_typing = false;
    // The fitted font of a text in a room of so many pixels, under the view's
    // font (no value: the text fits as it is). A grid shows few different
    // texts, refreshed on every click.
    QHash<QString, std::optional<QFont>> m_fitted;
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
