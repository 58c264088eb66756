#include "grades/ui/TNotenfrm.h"

#include "widgets/GridView.h"
#include "widgets/Zoom.h"
#include "widgets/ScreenPlacement.h"
#include "grades/GradeCellNames.h"
#include "grades/GradeEntry.h"
#include "grades/Grades.h"
#include "grades/Zielnote.h"
#include "model/Interaction.h"
#include "model/Model.h"

#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWindow>

namespace tamb {

namespace {

// Frame of a Windows window that the given outer sizes include.
constexpr int FrameWidth = 8;
constexpr int FrameHeight = 34;
// Least distance of a text from the window's right edge.
constexpr int EdgeGap = 8;

const QList<int> CoursesWidths = {GradeGrids::CoursesFirstColumn, 30, 30, 30, 30, 30, 30};

const QColor Teal(0x00, 0x80, 0x80);
const QColor Maroon(0x80, 0x00, 0x00);
const QColor Navy(0x00, 0x00, 0x80);
const QColor InfoColour(0xFF, 0xFF, 0xE1);

// Narrow sans-serif faces first: the texts were laid out for 11-pixel type.
QFont uiFont()
{
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"),
                      QStringLiteral("Arial"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Helvetica"), QStringLiteral("Sans Serif")});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(11);
    return font;
}

// Every column and row takes its width plus one pixel of grid line, so
// that the cells lie where the editors are placed.
void setPitches(GridView *grid, const QList<int> &widths, int rowHeight)
{
    for (int c = 0; c < widths.size(); ++c) {
        const int pitch = widths[c] + 1;
        grid->setColumnWidth(c, pitch);
        if (grid->columnWidth(c) != pitch)
            grid->setColumnWidth(c, 2 * pitch - grid->columnWidth(c));
    }
    const int pitch = rowHeight + 1;
    grid->setRowHeights(pitch);
    if (grid->rowHeight(0) != pitch)
        grid->setRowHeights(2 * pitch - grid->rowHeight(0));
}

// Cell texts with their leading blanks, as close to the cell edge as a
// 30-pixel column needs.
class TightCellDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QVariant background = index.data(Qt::BackgroundRole);
        if (background.canConvert<QColor>())
            painter->fillRect(option.rect, background.value<QColor>());
        painter->save();
        painter->setFont(opt.font);
        painter->setPen(option.palette.color(QPalette::Text));
        painter->drawText(option.rect.adjusted(TextLeft, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                          index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

    // The text and one free pixel on either side of it.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QStyleOptionViewItem opt = option;
        initStyleOption(&opt, index);
        const QFontMetrics fm(opt.font);
        return QSize(TextLeft + fm.horizontalAdvance(index.data(Qt::DisplayRole).toString()) + 1,
                     fm.height());
    }

private:
    static constexpr int TextLeft = 2;
};

QFont pixelFont(int pixels, bool bold = false)
{
    QFont font = uiFont();
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void setColour(QWidget *w, const QColor &colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::Text, colour);
    w->setPalette(pal);
}

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, int left, int top)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->move(left, top);
    label->adjustSize();
    return label;
}

// A lowered panel with the info colour that shows a number.
QLabel *makePointsPanel(QWidget *parent, const QString &name, int left, int top, bool bold = false)
{
    auto *panel = new QLabel(parent);
    panel->setObjectName(name);
    panel->setGeometry(left, top, 60, 25);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAlignment(Qt::AlignCenter);
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, InfoColour);
    panel->setPalette(pal);
    QFont font = panel->font();
    font.setBold(bold);
    panel->setFont(font);
    return panel;
}

CaptionBox *makeBox(QWidget *parent, const QString &name, const Shown &state)
{
    auto *box = new CaptionBox(state.text, parent);
    box->setObjectName(name);
    box->setGeometry(state.left, state.top, 337, 65);
    box->setVisible(state.visible);
    return box;
}

// Labels break at LF CR / CR LF; tabs as the eight character cells they take.
QString labelText(const QString &text)
{
    QString shown = shownText(text);
    shown.replace(QLatin1Char('\t'), QString(8, QLatin1Char(' ')));
    return shown;
}

void apply(QLabel *label, const Shown &state)
{
    const QString text = labelText(state.text);
    if (label->text() != text) {
        label->setText(text);
        label->adjustSize();
    }
    label->move(state.left, state.top);
    label->setVisible(state.visible);
}

void apply(CaptionBox *box, const Shown &state, int height = 65)
{
    box->setTitle(state.text);
    box->setGeometry(state.left, state.top, 337, height);
    box->setVisible(state.visible);
}

bool isDialogWindow(QWindow *window)
{
    if (!window)
        return false;
    const auto widgets = QApplication::topLevelWidgets();
    for (QWidget *w : widgets)
        if (w->windowHandle() == window)
            return qobject_cast<QDialog *>(w) || qobject_cast<QMenu *>(w)
                   || w->windowModality() != Qt::NonModal;
    return false;
}

} // namespace

CaptionBox::CaptionBox(const QString &title, QWidget *parent) : QWidget(parent), m_title(title) {}

void CaptionBox::setTitle(const QString &title)
{
    if (title == m_title)
        return;
    m_title = title;
    update();
}

void CaptionBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int line = fontMetrics().height() / 2;
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(0, line, width() - 1, height() - line - 1);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(1, line + 1, width() - 3, height() - line - 3);
    if (m_title.isEmpty())
        return;
    const QRect text(8, 0, fontMetrics().horizontalAdvance(m_title), fontMetrics().height());
    painter.fillRect(text, palette().color(QPalette::Window));
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignTop, m_title);
}

TNotenfrm::TNotenfrm(Model &model, Interaction &ui, QWidget *mainWindow)
    : QWidget(nullptr), m_model(model), m_ui(ui), m_main(mainWindow)
{
    setObjectName(QStringLiteral("Notenfrm"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFont(uiFont());
    setProperty("helpContext", 220);
    m_view.Rows = m_model.GridRows;
    buildWidgets();
    buildTools();
    resize(OuterWidth - FrameWidth, OuterHeight - FrameHeight + m_menuBar->sizeHint().height());
    placeOnScreen(this, QPoint(OuterLeft, OuterTop));
    connect(qApp, &QGuiApplication::focusWindowChanged, this, &TNotenfrm::focusWindowChanged);
}

TNotenfrm::~TNotenfrm() = default;

void TNotenfrm::buildWidgets()
{
    // The menu bar above, everything else in the body at the window's own
    // positions.
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    m_menuBar = new QMenuBar(this);
    layout->setMenuBar(m_menuBar);
    m_body = new QWidget(this);
    m_body->setObjectName(QStringLiteral("NotenBody"));
    m_body->setMinimumSize(OuterWidth - FrameWidth, OuterHeight - FrameHeight);
    layout->addWidget(m_body);

    const int rows = qBound(1, m_model.GridRows, SubjectCount);
    m_view.NFaecherSgr.resize(7, rows);

    // Each column and row takes one more pixel for its grid line, so that
    // cells lie where the editors are placed.
    m_nFaecherSgr = new GridView(&m_view.NFaecherSgr, 1, m_body);
    m_nFaecherSgr->setObjectName(QStringLiteral("NFaecherSgr"));
    using namespace GradeGrids;
    m_nFaecherSgr->setGeometry(CoursesLeft, CoursesTop, 295, rows * 21 + 3);
    setPitches(m_nFaecherSgr, CoursesWidths, CoursesRowHeight);
    m_nFaecherSgr->setItemDelegate(new TightCellDelegate(m_nFaecherSgr));
    m_nFaecherSgr->viewport()->setCursor(Qt::PointingHandCursor);
    m_nFaecherSgr->setProperty("helpContext", 300);
    m_nFaecherSgr->setAccessibleName(QStringLiteral("Noten"));
    m_nFaecherSgr->enableKeyboardCursor(true);
    m_nFaecherSgr->setCellTexts(
        [this](int col, int row) { return GradeCellName(m_view.NFaecherSgr, col, row); }, {});
    connect(m_nFaecherSgr, &GridView::typedIntoCell, this,
            [this](int, int, const QString &text) { typedIntoCell(text); });

    m_nPfaecherSgr = new GridView(&m_view.NPfaecherSgr, 1, m_body);
    m_nPfaecherSgr->setObjectName(QStringLiteral("NPfaecherSgr"));
    m_nPfaecherSgr->setGeometry(ExamsLeft, ExamsTop, 238, 6 * ExamsRowHeight + 10);
    setPitches(m_nPfaecherSgr, {ExamsFirstColumn, ColumnWidth, ColumnWidth, 50}, ExamsRowHeight);
    m_nPfaecherSgr->setItemDelegate(new TightCellDelegate(m_nPfaecherSgr));
    m_nPfaecherSgr->setProperty("helpContext", 600);
    m_nPfaecherSgr->setAccessibleName(QStringLiteral("Prüfungsergebnisse"));
    m_nPfaecherSgr->enableKeyboardCursor(true);
    connect(m_nPfaecherSgr, &GridView::typedIntoCell, this,
            [this](int, int, const QString &text) { typedIntoCell(text); });
    // Tab goes from the courses to the results and back.
    setTabOrder(m_nFaecherSgr, m_nPfaecherSgr);
    for (GridView *grid : {m_nFaecherSgr, m_nPfaecherSgr})
        grid->installEventFilter(this);
    m_nPfaecherSgr->setCellTexts(
        [this](int col, int row) { return GradeCellName(m_view.NPfaecherSgr, col, row); }, {});

    m_block1Pnl = new QLabel(QStringLiteral("Block I"), m_body);
    m_block1Pnl->setObjectName(QStringLiteral("Block1Pnl"));
    m_block1Pnl->setGeometry(58, 10, 57, 19);
    m_block1Pnl->setAlignment(Qt::AlignCenter);
    m_block1Pnl->setAutoFillBackground(true);
    m_block1Pnl->setBackgroundRole(QPalette::Button);
    m_block1Pnl->setCursor(Qt::PointingHandCursor);
    QFont italic = m_block1Pnl->font();
    italic.setItalic(true);
    m_block1Pnl->setFont(italic);
    m_block1Pnl->installEventFilter(this);

    m_ersterBlockGBx = makeBox(m_body, QStringLiteral("ErsterBlockGBx"), m_view.ErsterBlockGBx);
    m_ersterBlockLbl = makeLabel(m_ersterBlockGBx, QStringLiteral("ErsterBlockLbl"), {}, 8, 20);
    m_unter5ebLbl = makeLabel(m_ersterBlockGBx, QStringLiteral("Unter5ebLbl"), {}, 8, 45);
    setColour(m_unter5ebLbl, Qt::red);
    m_psersterBlockPl = makePointsPanel(m_ersterBlockGBx, QStringLiteral("PSersterBlockPl"), 260, 24);
    setColour(makeLabel(m_ersterBlockGBx, QStringLiteral("PSMaxEbLbl"), QStringLiteral("max. 600"), 268, 8), Teal);
    setColour(makeLabel(m_ersterBlockGBx, QStringLiteral("PSMinEbLbl"), QStringLiteral("min. 200"), 268, 50), Teal);
    makeLabel(m_ersterBlockGBx, QStringLiteral("EPLbl"), {}, 184, 32)->hide();

    m_abiblockGBx = makeBox(m_body, QStringLiteral("AbiblockGBx"), m_view.AbiblockGBx);
    m_abiblockLbl = makeLabel(m_abiblockGBx, QStringLiteral("AbiblockLbl"), {}, 8, 18);
    m_psAbiblockPl = makePointsPanel(m_abiblockGBx, QStringLiteral("PSAbiblockPl"), 260, 24);
    setColour(makeLabel(m_abiblockGBx, QStringLiteral("PSMaxAbiBlLbl"), QStringLiteral("max. 300"), 268, 8), Teal);
    setColour(makeLabel(m_abiblockGBx, QStringLiteral("PSMinAbiBlLbl"), QStringLiteral("min. 100"), 268, 50), Teal);

    m_gpzGBx = makeBox(m_body, QStringLiteral("GPZGBx"), m_view.GPZGBx);
    m_gpzLbl = makeLabel(m_gpzGBx, QStringLiteral("GPZLbl"), {}, 16, 26);
    QFont gpzFont = m_gpzLbl->font();
    gpzFont.setBold(true);
    m_gpzLbl->setFont(gpzFont);
    m_gpzLbl->hide();
    m_gpzPl = makePointsPanel(m_gpzGBx, QStringLiteral("GPZPl"), 260, 24, true);
    m_gpzPl->hide();
    m_gpzMaxLbl = makeLabel(m_gpzGBx, QStringLiteral("GPZmaxLbl"), QStringLiteral("max. 900"), 268, 8);
    m_gpzMinLbl = makeLabel(m_gpzGBx, QStringLiteral("GPZminLbl"), QStringLiteral("min. 300"), 268, 50);
    setColour(m_gpzMaxLbl, Teal);
    setColour(m_gpzMinLbl, Teal);
    m_gpzMaxLbl->hide();
    m_gpzMinLbl->hide();

    m_dsNoteGBx = makeBox(m_body, QStringLiteral("DSNoteGBx"), m_view.DSNoteGBx);
    m_dsLbl = makeLabel(m_dsNoteGBx, QStringLiteral("DSLbl"), {}, 8, 18);
    m_dsNotePl = makePointsPanel(m_dsNoteGBx, QStringLiteral("DSNotePl"), 148, 24, true);
    setColour(m_dsNotePl, Qt::blue);
    m_vorlGPZLbl = makeLabel(m_gpzGBx, QStringLiteral("VorlGPZLbl"), m_view.VorlGPZLbl.text, 150, 30);
    m_vorlDSLbl = makeLabel(m_dsNoteGBx, QStringLiteral("VorlDSLbl"), m_view.VorlDSLbl.text, 216, 30);
    m_vorlGPZLbl->setAutoFillBackground(true); // over the frame as the verdict's caption
    m_fehltLbl = makeLabel(m_body, QStringLiteral("FehltLbl"), {}, 312, 478);
    m_fehltLbl->setWordWrap(true);
    for (QLabel *label : {m_vorlGPZLbl, m_vorlDSLbl, m_fehltLbl}) {
        setColour(label, Maroon);
        label->hide();
    }

    m_nzulGBx = makeBox(m_body, QStringLiteral("NzulGBx"), m_view.NzulGBx);
    m_nzulLbl = makeLabel(m_nzulGBx, QStringLiteral("NzulLbl"), {}, 8, 18);
    QFont bold = m_nzulLbl->font();
    bold.setBold(true);
    m_nzulLbl->setFont(bold);

    m_optGBx = makeBox(m_body, QStringLiteral("OptGBx"), {QStringLiteral("Optimierung"), false, 312, 568});
    setColour(makeLabel(m_optGBx, QStringLiteral("OptLbl"), {}, 8, 18), Teal);

    m_fachnameLbl = makeLabel(m_body, QStringLiteral("FachnameLbl"), {}, 280, 660);
    m_fachnameLbl->setFont(pixelFont(13, true));
    setColour(m_fachnameLbl, Maroon);
    m_notEingLbl = makeLabel(m_body, QStringLiteral("NotEingLbl"), {}, 41, 648);
    m_notEingLbl->setFont(pixelFont(19));
    setColour(m_notEingLbl, Navy);
    m_notEingLbl->hide();

    struct EditorSetup
    {
        GradeEditor which;
        const char16_t *name;
        int help;
        int height;
    };
    const EditorSetup editors[] = {
        {GradeEditor::HjNotenEd, u"HjNotenEd", 330, 20},
        {GradeEditor::AbiNotenEd, u"AbiNotenEd", 350, 23},
        {GradeEditor::HjEinzelNoteEd, u"HjEinzelNoteEd", 320, 20},
        {GradeEditor::AbiEinzelNoteEd, u"AbiEinzelNoteEd", 320, 23},
        {GradeEditor::FNotenEd, u"FNotenEd", 340, 20},
        {GradeEditor::AlleNotenEd, u"AlleNotenEd", 300, 20},
    };
    for (const EditorSetup &setup : editors) {
        auto *edit = new QLineEdit(m_body);
        edit->setObjectName(QString::fromUtf16(setup.name));
        edit->setFrame(false);
        // Framed, so that the editor stands out over its cell.
        edit->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #000080; }"));
        edit->setAccessibleName(QStringLiteral("Noteneingabe"));
        edit->setGeometry(160, 680, 30, setup.height);
        edit->setProperty("helpContext", setup.help);
        edit->hide();
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this,
                [this](const QString &text) { m_view.editorText = text; });
        m_editors[int(setup.which)] = edit;
    }

    connect(m_nFaecherSgr, &GridView::cellReleased, this,
            [this](int col, int row, Qt::MouseButton button, Qt::KeyboardModifiers modifiers,
                   const QPoint &) { courseCellReleased(col, row, button, modifiers); });
    connect(m_nPfaecherSgr, &GridView::cellReleased, this,
            [this](int col, int row, Qt::MouseButton button, Qt::KeyboardModifiers,
                   const QPoint &) {
                if (button != Qt::LeftButton)
                    return;
                NPfaecherSgrMouseUp(m_model, m_view, col, row);
                showView();
                stepDone(QStringLiteral("Noten"));
            });
}

// The tools of the right click and the header clicks with Shift and Alt, for
// the keyboard and for window managers that take Alt+click for themselves.
void TNotenfrm::buildTools()
{
    m_toolsMenu = m_menuBar->addMenu(QStringLiteral("&Werkzeuge"));
    m_toolsMenu->setObjectName(QStringLiteral("Werkzeuge"));
    const auto add = [this](const QString &name, const QKeySequence &keys, auto slot) {
        QAction *action = m_toolsMenu->addAction(QString(), this, slot);
        action->setObjectName(name);
        action->setShortcut(keys);
        return action;
    };
    // The right click on the cursor's cell; the header clicks on its half-year.
    m_toggleAction = add(QStringLiteral("Einbringen"), QKeySequence(Qt::CTRL | Qt::Key_E), [this] {
        const QPoint cell = m_nFaecherSgr->cursorCell();
        if (!CanToggleCounted(m_model, cell.x() - 2, cell.y())) {
            m_ui.beep();
            return;
        }
        courseCellReleased(cell.x(), cell.y(), Qt::RightButton, Qt::NoModifier);
    });
    m_desiredAction = add(QStringLiteral("Wunschnote"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_W), [this] {
        const int h = ToolHalfYear(m_model, m_view, m_nFaecherSgr->cursorCell().x());
        courseCellReleased(h + 2, 0, Qt::LeftButton, Qt::ShiftModifier);
    });
    m_averagesAction = add(QStringLiteral("Durchschnitte"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_D), [this] {
        const int h = ToolHalfYear(m_model, m_view, m_nFaecherSgr->cursorCell().x());
        courseCellReleased(h + 2, 0, Qt::LeftButton, Qt::AltModifier);
    });
    m_toolsMenu->addSeparator();
    m_targetAction = add(QStringLiteral("Zielnote"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N),
                         [this] { AskTargetGrade(m_model, m_ui); });
    m_targetAction->setText(QStringLiteral("&Zielnote ..."));
    connect(m_toolsMenu, &QMenu::aboutToShow, this, &TNotenfrm::updateTools);
    updateTools();
}

// The half-year of the cursor's cell in the items' texts.
void TNotenfrm::updateTools()
{
    const QPoint cell = m_nFaecherSgr->cursorCell();
    const int h = ToolHalfYear(m_model, m_view, cell.x());
    m_toggleAction->setText(QStringLiteral("Kurs einbringen / nicht einbringen"));
    m_desiredAction->setText(QStringLiteral("&Wunschnote für Halbjahr %1 ...").arg(h));
    m_averagesAction->setText(QStringLiteral("Mit &Durchschnitten füllen ab Halbjahr %1").arg(h));
}

void TNotenfrm::showContextMenu(GridView *grid)
{
    updateTools();
    const QModelIndex at = grid->currentIndex();
    const QRect cell = at.isValid() ? grid->visualRect(at) : QRect();
    m_toolsMenu->popup(grid->viewport()->mapToGlobal(cell.isValid() ? cell.bottomLeft() : QPoint()));
}

void TNotenfrm::courseCellReleased(int col, int row, Qt::MouseButton button,
                                   Qt::KeyboardModifiers modifiers)
{
    NFaecherSgrMouseUp(m_model, m_view, m_ui, col, row, button, modifiers);
    showView();
    QString name = QStringLiteral("Noten");
    if (button == Qt::RightButton)
        name = QStringLiteral("Optimierung");
    else if (row == 0 && (modifiers & Qt::ControlModifier))
        name = QStringLiteral("Noten löschen");
    else if (row == 0 && (modifiers & Qt::ShiftModifier))
        name = QStringLiteral("Wunschnote");
    else if (row == 0 && (modifiers & Qt::AltModifier))
        name = QStringLiteral("Durchschnitte");
    stepDone(name);
}

QLineEdit *TNotenfrm::editor(GradeEditor which) const
{
    return which == GradeEditor::None ? nullptr : m_editors[int(which)];
}

void TNotenfrm::FormActivate()
{
    RefreshGrades(m_model, m_view, m_model.GridRows);
    showView();
}

void TNotenfrm::showView()
{
    const GradesView &v = m_view;
    setWindowTitle(v.caption);
    if (m_nFaecherSgr->gridModel()->rowCount() != v.NFaecherSgr.rowCount()) {
        m_nFaecherSgr->reload();
        setPitches(m_nFaecherSgr, CoursesWidths, GradeGrids::CoursesRowHeight);
        m_nFaecherSgr->resize(295, v.NFaecherSgr.rowCount() * 21 + 3);
    }
    m_nFaecherSgr->reload();
    m_nPfaecherSgr->reload();

    apply(m_ersterBlockGBx, v.ErsterBlockGBx);
    apply(m_ersterBlockLbl, v.ErsterBlockLbl);
    apply(m_unter5ebLbl, v.Unter5ebLbl);
    m_psersterBlockPl->setText(v.PSersterBlockPl.text);

    apply(m_abiblockGBx, v.AbiblockGBx);
    apply(m_abiblockLbl, v.AbiblockLbl);
    m_psAbiblockPl->setText(v.PSAbiblockPl.text);
    m_psAbiblockPl->setVisible(v.PSAbiblockPl.visible);

    apply(m_gpzGBx, v.GPZGBx);
    apply(m_gpzLbl, v.GPZLbl);
    m_gpzPl->setText(v.GPZPl.text);
    m_gpzPl->setVisible(v.GPZPl.visible);
    m_gpzMaxLbl->setVisible(v.GPZLimitsVisible);
    m_gpzMinLbl->setVisible(v.GPZLimitsVisible);

    apply(m_dsNoteGBx, v.DSNoteGBx);
    apply(m_dsLbl, v.DSLbl);
    m_dsNotePl->setText(v.DSNotePl.text);
    m_dsNotePl->setVisible(v.DSNotePl.visible);

    apply(m_vorlGPZLbl, v.VorlGPZLbl);
    apply(m_vorlDSLbl, v.VorlDSLbl);
    m_fehltLbl->setText(v.FehltLbl.text);
    m_fehltLbl->setGeometry(v.FehltLbl.left, v.FehltLbl.top, 337,
                            m_fehltLbl->heightForWidth(337));
    m_fehltLbl->setVisible(v.FehltLbl.visible);

    apply(m_nzulGBx, v.NzulGBx, v.NzulGBxHeight);
    apply(m_nzulLbl, v.NzulLbl);

    apply(m_notEingLbl, v.NotEingLbl);
    apply(m_fachnameLbl, v.FachnameLbl);
    // A long title or subject name moves left rather than past the edge
    // (measured at 100 %: the zoom below scales the places).
    const int room = m_body->width() * 100 / m_zoom - EdgeGap;
    for (QLabel *label : {m_notEingLbl, m_fachnameLbl}) {
        const int labelWidth = label->width() * 100 / m_zoom;
        if (label->x() + labelWidth > room)
            label->move(qMax(EdgeGap, room - labelWidth), label->y());
    }

    for (int i = 1; i <= 6; ++i) {
        QLineEdit *edit = m_editors[i];
        if (i != int(v.editor)) {
            edit->hide();
            continue;
        }
        const bool opened = edit->isHidden() || edit->geometry() != v.editorRect;
        edit->setGeometry(v.editorRect);
        if (edit->text() != v.editorText)
            edit->setText(v.editorText);
        // A value shown as the editor opens is selected: typing replaces it.
        if (opened)
            edit->selectAll();
        edit->show();
        edit->raise();
        edit->setFocus();
    }
    ApplyZoom(this, m_zoom);
}

void TNotenfrm::setZoom(int percent)
{
    // The window does not scroll: it grows only as far as the screen shows it whole.
    const QSize room = roomOnScreen(this);
    auto size = [](int p) { return QSize(Zoomed(OuterWidth - FrameWidth, p), Zoomed(OuterHeight - FrameHeight, p)); };
    while (percent > SmallestZoom && !QRect(QPoint(), room).contains(QRect(QPoint(), size(percent))))
        percent = NextZoom(percent, -1);
    if (percent == m_zoom)
        return;
    m_zoom = percent;
    // The resize shows everything anew, scaled.
    resize(size(percent));
    showView();
}

void TNotenfrm::ClearGridSelection()
{
    for (GridView *grid : {m_nFaecherSgr, m_nPfaecherSgr}) {
        grid->clearSelection();
        grid->setCurrentIndex(QModelIndex());
    }
}

void TNotenfrm::showEvent(QShowEvent *event)
{
    ClearGridSelection();
    QWidget::showEvent(event);
}

void TNotenfrm::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    FormActivate();
}

// Coming to the front recomputes; coming back from one of our own
// questions does not, so that the answer's effect stays visible.
void TNotenfrm::focusWindowChanged(QWindow *window)
{
    if (!window)
        return;
    if (window == windowHandle() && !m_lastFocusWasDialog)
        FormActivate();
    m_lastFocusWasDialog = isDialogWindow(window);
}

void TNotenfrm::closeEvent(QCloseEvent *event)
{
    // The main window goes back to the middle of the screen.
    if (m_main) {
        const QScreen *screen = m_main->screen();
        const int screenWidth = screen ? screen->geometry().width() : m_main->width();
        placeOnScreen(m_main, QPoint((screenWidth - m_main->width()) / 2, m_main->frameGeometry().top()));
    }
    QWidget::closeEvent(event);
}

bool TNotenfrm::eventFilter(QObject *watched, QEvent *event)
{
    // The menu key and Shift+F10 open the tools at the cursor's cell; the
    // right click stays the course's counting.
    if ((watched == m_nFaecherSgr || watched == m_nPfaecherSgr) && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~Qt::KeypadModifier;
        if ((key->key() == Qt::Key_Menu && mods == Qt::NoModifier)
            || (key->key() == Qt::Key_F10 && mods == Qt::ShiftModifier)) {
            showContextMenu(static_cast<GridView *>(watched));
            return true;
        }
        return QWidget::eventFilter(watched, event);
    }
    if (watched == m_block1Pnl && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Block1PnlClick(m_model, m_view);
        showView();
        stepDone(QStringLiteral("Noten"));
        return true;
    }
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (!edit || edit != editor(m_view.editor))
        return QWidget::eventFilter(watched, event);

    std::optional<EditKey> key;
    if (event->type() == QEvent::KeyPress) {
        switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            key = EditKey::Return;
            break;
        case Qt::Key_Down:
            key = EditKey::Down;
            break;
        case Qt::Key_Right:
            key = EditKey::Right;
            break;
        case Qt::Key_Delete:
            key = EditKey::Delete;
            break;
        case Qt::Key_Escape:
            key = EditKey::Escape;
            break;
        default:
            break;
        }
    } else if (event->type() == QEvent::MouseButtonPress) {
        key = EditKey::Click;
    }
    if (!key)
        return QWidget::eventFilter(watched, event);
    const bool refused = RefusedGradeInput(m_view, *key, edit->text());
    const bool hadFocus = edit->hasFocus();
    const bool handled = GradeEditorKey(m_model, m_view, m_ui, *key, edit->text());
    ClearGridSelection();
    showView();
    if (refused)
        refuseInput(edit);
    afterEditorKey(edit, hadFocus);
    stepDone(*key == EditKey::Delete ? QStringLiteral("Noten löschen") : QStringLiteral("Noteneingabe"));
    return handled || QWidget::eventFilter(watched, event);
}

void TNotenfrm::stepDone(const QString &name)
{
    if (m_stepDone)
        m_stepDone(name);
}

void TNotenfrm::showRestored()
{
    EndEntry(m_view);
    FormActivate();
}

// A digit on a cell of the grid: the click has started the entry, the
// digit is its first character.
void TNotenfrm::typedIntoCell(const QString &text)
{
    QLineEdit *edit = editor(m_view.editor);
    if (!edit)
        return;
    m_view.editorText = text;
    showView();
}

// Beeps and says what may be typed, at the editor and to screen readers.
void TNotenfrm::refuseInput(QLineEdit *edit)
{
    m_ui.beep();
    edit->setAccessibleDescription(GradeRangeHint);
    QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), GradeRangeHint, edit);
    QAccessibleEvent alert(edit, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
}

// Once an entry has ended, the keyboard goes back to the grid at the cell
// that was edited.
void TNotenfrm::afterEditorKey(QLineEdit *edit, bool hadFocus)
{
    if (m_view.editor != GradeEditor::None || !hadFocus)
        return;
    // The editor lay over a cell of one of the two grids.
    for (GridView *grid : {m_nFaecherSgr, m_nPfaecherSgr}) {
        const QPoint centre = grid->viewport()->mapFrom(m_body, edit->geometry().center());
        if (!grid->viewport()->rect().contains(centre))
            continue;
        const QModelIndex at = grid->indexAt(centre);
        grid->setFocus();
        if (at.isValid())
            grid->setCursorCell(at.column(), at.row());
        return;
    }
    m_nFaecherSgr->setFocus();
}

} // namespace tamb
