#include "widgets/GridView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPalette>
#include <QStyleOptionViewItem>

namespace tamb {

TextGridModel::TextGridModel(const TextGrid *grid, int fixedCols, QObject *parent)
    : QAbstractTableModel(parent), m_grid(grid), m_fixedCols(fixedCols),
      m_rows(grid->rowCount()), m_cols(grid->colCount())
{
}

int TextGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows;
}

int TextGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_cols;
}

QVariant TextGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const bool fixed = index.row() < m_fixedRows || index.column() < m_fixedCols;
    switch (role) {
    case Qt::DisplayRole:
        return m_grid->cell(index.column(), index.row());
    case Qt::BackgroundRole:
        if (fixed)
            return QApplication::palette().color(QPalette::Button);
        if (m_background.isValid())
            return m_background;
        return {};
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::FontRole:
        if (auto font = m_cellFonts.constFind(QPoint(index.column(), index.row()));
            font != m_cellFonts.constEnd())
            return *font;
        return {};
    default:
        return {};
    }
}

void TextGridModel::setCellFont(int col, int row, const QFont &font)
{
    if (font == QFont())
        m_cellFonts.remove(QPoint(col, row));
    else
        m_cellFonts.insert(QPoint(col, row), font);
}

void TextGridModel::reload()
{
    if (m_rows != m_grid->rowCount() || m_cols != m_grid->colCount()) {
        beginResetModel();
        m_rows = m_grid->rowCount();
        m_cols = m_grid->colCount();
        endResetModel();
        return;
    }
    if (m_rows > 0 && m_cols > 0)
        emit dataChanged(index(0, 0), index(m_rows - 1, m_cols - 1));
}

GridView::GridView(const TextGrid *grid, int fixedCols, QWidget *parent)
    : QTableView(parent), m_model(new TextGridModel(grid, fixedCols, this))
{
    setModel(m_model);
    horizontalHeader()->hide();
    verticalHeader()->hide();
    horizontalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setMinimumSectionSize(1);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    // Cell texts are shown exactly: leading blanks stay visible.
    setStyleSheet(QStringLiteral("QTableView { gridline-color: #a0a0a0; }"));
}

void GridView::setColumnWidths(const QList<int> &widths)
{
    for (int c = 0; c < widths.size(); ++c)
        setColumnWidth(c, widths[c] + 1);
}

void GridView::setRowHeights(int height)
{
    verticalHeader()->setDefaultSectionSize(height + 1);
    for (int r = 0; r < m_model->rowCount(); ++r)
        setRowHeight(r, height + 1);
}

void GridView::setDisplayOnly()
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void GridView::reload()
{
    m_model->reload();
    fitCellTexts();
    viewport()->update();
}

void GridView::fitCellTexts()
{
    // Condensed first, smaller only when that is not enough: the faces at
    // hand are wider than the one the columns were made for.
    static const int stretches[] = {100, 94, 88, 82, 76};
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    const int grid = showGrid() ? 1 : 0;
    for (int r = 0; r < m_model->rowCount(); ++r) {
        for (int c = 0; c < m_model->columnCount(); ++c) {
            const QModelIndex index = m_model->index(r, c);
            m_model->setCellFont(c, r, QFont());
            if (index.data(Qt::DisplayRole).toString().trimmed().isEmpty())
                continue;
            // The last column may be cut by the frame: only what shows counts.
            const int room = qMin(columnWidth(c) - grid,
                                  viewport()->width() - columnViewportPosition(c));
            QAbstractItemDelegate *delegate = itemDelegateForIndex(index);
            auto fits = [&] { return delegate->sizeHint(option, index).width() <= room; };
            if (fits())
                continue;
            QFont font = this->font();
            bool done = false;
            for (int stretch : stretches) {
                font.setStretch(stretch);
                m_model->setCellFont(c, r, font);
                if ((done = fits()))
                    break;
            }
            const int pixels = font.pixelSize();
            const qreal points = font.pointSizeF();
            for (int step = 1; !done && step <= 6; ++step) {
                if (pixels > 0)
                    font.setPixelSize(pixels - step);
                else
                    font.setPointSizeF(points - 0.5 * step);
                m_model->setCellFont(c, r, font);
                done = fits();
            }
        }
    }
}

QPoint GridView::cellAt(const QPoint &viewportPos) const
{
    const int row = rowAt(viewportPos.y());
    const int col = columnAt(viewportPos.x());
    if (row < 0 || col < 0)
        return QPoint(-1, -1);
    return QPoint(col, row);
}

void GridView::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    const QPoint cell = cellAt(event->position().toPoint());
    emit cellPressed(cell.x(), cell.y(), event->button(), event->modifiers(),
                     event->globalPosition().toPoint());
    event->accept();
}

void GridView::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint cell = cellAt(event->position().toPoint());
    emit cellReleased(cell.x(), cell.y(), event->button(), event->modifiers(),
                      event->globalPosition().toPoint());
    event->accept();
}

} // namespace tamb

namespace tamb {
QFont programFont(qreal pointSize)
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"),
                      QStringLiteral("Liberation Sans"), QStringLiteral("Helvetica"),
                      QStringLiteral("Nimbus Sans")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    return font;
}

QString shownText(const QString &text)
{
    QString shown = text;
    shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

void checkRadioItem(QButtonGroup *group, int item)
{
    if (QAbstractButton *button = group->button(item)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last button.
    group->setExclusive(false);
    for (QAbstractButton *button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}
} // namespace tamb
