#include "widgets/GridView.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionViewItem>

namespace tamb {

namespace {

// The application's style with the grids' own line colour. Cheaper at the
// start than a style sheet, which every widget below it would have to match.
class GridLineStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    int styleHint(StyleHint hint, const QStyleOption *option, const QWidget *widget,
                  QStyleHintReturn *returnData) const override
    {
        if (hint == SH_Table_GridLineColor)
            return int(qRgb(0xa0, 0xa0, 0xa0));
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle *gridLineStyle()
{
    static QPointer<QStyle> style;
    if (!style) {
        style = new GridLineStyle(QStyleFactory::create(QApplication::style()->name()));
        style->setParent(qApp);
    }
    return style;
}

} // namespace

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

namespace {

// A cell whose click would be refused: diagonal lines over its background,
// so that it differs from the others by more than a shade.
QBrush hatched(const QColor &background)
{
    static QHash<QRgb, QBrush> brushes;
    const auto known = brushes.constFind(background.rgba());
    if (known != brushes.constEnd())
        return *known;
    constexpr int Size = 6;
    QPixmap tile(Size, Size);
    tile.fill(background);
    QPainter painter(&tile);
    painter.setPen(QPen(background.lightness() > 128 ? background.darker(118) : background.lighter(140), 1));
    painter.drawLine(0, Size - 1, Size - 1, 0);
    painter.end();
    return *brushes.insert(background.rgba(), QBrush(tile));
}

} // namespace

QVariant TextGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    const bool fixed = index.row() < m_fixedRows || index.column() < m_fixedCols;
    const auto dimmed = [&] {
        return m_marks && (m_marks(index.column(), index.row()) & Dimmed);
    };
    switch (role) {
    case Qt::DisplayRole:
        return m_grid->cell(index.column(), index.row());
    case Qt::BackgroundRole: {
        const QColor color = fixed ? QApplication::palette().color(QPalette::Button) : m_background;
        if (dimmed())
            return hatched(backgroundOf(fixed));
        return color.isValid() ? QVariant(color) : QVariant();
    }
    case Qt::ForegroundRole: {
        if (!dimmed())
            return {};
        // Half-way to the background: lighter, still readable.
        const QColor text = QApplication::palette().color(QPalette::Text);
        const QColor back = backgroundOf(fixed);
        return QColor((text.red() * 55 + back.red() * 45) / 100,
                      (text.green() * 55 + back.green() * 45) / 100,
                      (text.blue() * 55 + back.blue() * 45) / 100);
    }
    case Qt::TextAlignmentRole:
        return int(Qt::AlignLeft | Qt::AlignVCenter);
    case Qt::FontRole:
        if (auto font = m_cellFonts.constFind(QPoint(index.column(), index.row()));
            font != m_cellFonts.constEnd())
            return *font;
        return {};
    case Qt::AccessibleTextRole:
        return m_accessibleName ? m_accessibleName(index.column(), index.row()) : QVariant();
    case Qt::ToolTipRole: {
        const QString tip = m_toolTip ? m_toolTip(index.column(), index.row()) : QString();
        return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    default:
        return {};
    }
}

QColor TextGridModel::backgroundOf(bool fixed) const
{
    const QPalette palette = QApplication::palette();
    if (fixed)
        return palette.color(QPalette::Button);
    return m_background.isValid() ? m_background : palette.color(QPalette::Base);
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
    setStyle(gridLineStyle());
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
    const QString fontKey = font().key();
    for (int r = 0; r < m_model->rowCount(); ++r) {
        for (int c = 0; c < m_model->columnCount(); ++c) {
            const QModelIndex index = m_model->index(r, c);
            m_model->setCellFont(c, r, QFont());
            const QString text = index.data(Qt::DisplayRole).toString();
            if (text.trimmed().isEmpty())
                continue;
            // The last column may be cut by the frame: only what shows counts.
            const int room = qMin(columnWidth(c) - grid,
                                  viewport()->width() - columnViewportPosition(c));
            const QString key = fontKey + QLatin1Char('\n') + QString::number(room)
                                + QLatin1Char('\n') + text;
            if (const auto known = m_fitted.constFind(key); known != m_fitted.constEnd()) {
                if (*known)
                    m_model->setCellFont(c, r, **known);
                continue;
            }
            QAbstractItemDelegate *delegate = itemDelegateForIndex(index);
            auto fits = [&] { return delegate->sizeHint(option, index).width() <= room; };
            if (fits()) {
                m_fitted.insert(key, std::nullopt);
                continue;
            }
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
            m_fitted.insert(key, font);
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
    if (m_keyboard && cell.x() >= 0)
        setCursorCell(cell.x(), cell.y());
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

void TextGridModel::setCellTexts(CellText accessibleName, CellText toolTip)
{
    m_accessibleName = std::move(accessibleName);
    m_toolTip = std::move(toolTip);
}

// Keyboard use of the grid.

void GridView::setCellTexts(TextGridModel::CellText accessibleName, TextGridModel::CellText toolTip)
{
    m_model->setCellTexts(std::move(accessibleName), std::move(toolTip));
}

void GridView::enableKeyboardCursor(bool typing)
{
    m_keyboard = true;
    m_typing = typing;
    setFocusPolicy(Qt::StrongFocus);
    // Tab leaves the grid; the arrows move within it.
    setTabKeyNavigation(false);
    // The grids show every cell: the cursor never scrolls them.
    setAutoScroll(false);
}

void GridView::setCursorCell(int col, int row)
{
    const QModelIndex index = m_model->index(row, col);
    if (!index.isValid())
        return;
    selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
    viewport()->update();
}

QPoint GridView::cursorCell() const
{
    const QModelIndex index = currentIndex();
    return index.isValid() ? QPoint(index.column(), index.row()) : QPoint(-1, -1);
}

void GridView::activateCursorCell(Qt::MouseButton button, Qt::KeyboardModifiers modifiers)
{
    const QModelIndex index = currentIndex();
    if (!index.isValid())
        return;
    const QPoint global = viewport()->mapToGlobal(visualRect(index).center());
    const int col = index.column();
    const int row = index.row();
    emit cellPressed(col, row, button, modifiers, global);
    emit cellReleased(col, row, button, modifiers, global);
}

bool GridView::keyboardKey(QKeyEvent *event)
{
    if (!m_keyboard || !currentIndex().isValid())
        return false;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        activateCursorCell(Qt::LeftButton, modifiers);
        return true;
    case Qt::Key_Menu:
        activateCursorCell(Qt::RightButton, Qt::NoModifier);
        return true;
    case Qt::Key_F10:
        if (modifiers != Qt::ShiftModifier)
            return false;
        activateCursorCell(Qt::RightButton, Qt::NoModifier);
        return true;
    default:
        break;
    }
    const QString text = event->text();
    if (m_typing && text.size() == 1 && text.at(0).isDigit() && modifiers == Qt::NoModifier) {
        const QPoint cell = cursorCell();
        activateCursorCell(Qt::LeftButton, Qt::NoModifier);
        emit typedIntoCell(cell.x(), cell.y(), text);
        return true;
    }
    return false;
}

void GridView::keyPressEvent(QKeyEvent *event)
{
    if (keyboardKey(event)) {
        event->accept();
        return;
    }
    QTableView::keyPressEvent(event);
    if (m_keyboard)
        viewport()->update();
}

void GridView::focusInEvent(QFocusEvent *event)
{
    // The cursor starts on the first subject, not on the head.
    const bool placed = currentIndex().isValid();
    QTableView::focusInEvent(event);
    if (m_keyboard && !placed && m_model->rowCount() > 1)
        setCursorCell(0, 1);
}

void GridView::paintEvent(QPaintEvent *event)
{
    QTableView::paintEvent(event);
    if (m_model->hasMarks()) {
        QPainter painter(viewport());
        paintMarks(painter);
    }
    paintCursor();
}

// A suggestion: a small triangle in the cell's upper right corner. A cell
// that mends the chosen message: a dashed frame.
void GridView::paintMarks(QPainter &painter)
{
    const QColor ink = palette().color(QPalette::Link);
    for (int r = 0; r < m_model->rowCount(); ++r)
        for (int c = 0; c < m_model->columnCount(); ++c) {
            const int marks = m_model->marksOf(c, r);
            if (!(marks & (TextGridModel::Suggested | TextGridModel::Targeted)))
                continue;
            const QRect cell = visualRect(m_model->index(r, c)).adjusted(0, 0, -1, -1);
            if (marks & TextGridModel::Suggested) {
                const int size = qMax(5, cell.height() / 3);
                const QPoint corner = cell.topRight();
                const QPoint triangle[] = {corner, corner - QPoint(size, 0), corner + QPoint(0, size)};
                painter.setPen(Qt::NoPen);
                painter.setBrush(ink);
                painter.drawPolygon(triangle, 3);
            }
            if (marks & TextGridModel::Targeted) {
                QPen pen(ink, 2, Qt::DashLine);
                painter.setPen(pen);
                painter.setBrush(Qt::NoBrush);
                painter.drawRect(cell.adjusted(1, 1, -1, -1));
            }
        }
}

// A frame in the highlight colour round the cursor's cell while the grid
// has the focus.
void GridView::paintCursor()
{
    if (!m_keyboard || !hasFocus() || !currentIndex().isValid())
        return;
    QPainter painter(viewport());
    QPen pen(palette().color(QPalette::Highlight), 2);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(visualRect(currentIndex()).adjusted(1, 1, -1, -1));
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
