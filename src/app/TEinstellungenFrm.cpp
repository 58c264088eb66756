#include "app/TEinstellungenFrm.h"

#include "widgets/GridView.h"
#include "widgets/ScreenPlacement.h"
#include "app/HelpWindow.h"
#include "model/ByteIO.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QShowEvent>

namespace tamb {

namespace {

// Outer frame of a Windows window (caption and borders) that the given
// window size includes.
constexpr int FrameWidth = 8;
constexpr int FrameHeight = 34;

constexpr int ListLeft = 336;
constexpr int ListTop = 216;
constexpr int ElectiveListLeft = 296;
constexpr int ElectiveGridBottom = 536 + 53;
constexpr int ListWidth = 145;

QFont uiFont()
{
    return programFont(8);
}

struct LabelStyle
{
    const char *color = nullptr; // none: the window's text colour
    bool underline = false;
    int pixelSize = 0;           // 0: the window's font size
};

QLabel *makeLabel(QWidget *parent, const QString &name, const QString &text, int left, int top,
                  const LabelStyle &style)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setTextFormat(Qt::PlainText);
    QFont font = uiFont();
    font.setBold(true);
    font.setUnderline(style.underline);
    if (style.pixelSize > 0)
        font.setPixelSize(style.pixelSize);
    label->setFont(font);
    if (style.color)
        label->setStyleSheet(QStringLiteral("color: %1;").arg(QLatin1String(style.color)));
    label->move(left, top);
    label->adjustSize();
    return label;
}

const char *const Blue = "#0000ff";
const char *const Maroon = "#800000";

} // namespace

TEinstellungenFrm::TEinstellungenFrm(Model &model, QWidget *parent)
    : QWidget(parent, Qt::Window), m_editor(model)
{
    setObjectName(QStringLiteral("EinstellungenFrm"));
    setFont(uiFont());
    setProperty("helpContext", SettingsHelpContext);
    buildWidgets();
    setFixedSize(696 - FrameWidth, 696 - FrameHeight);
    // On a small screen moved so far that its title bar can be reached.
    placeOnScreen(this, QPoint(197, 22));
}

TEinstellungenFrm::~TEinstellungenFrm() = default;

void TEinstellungenFrm::buildWidgets()
{
    makeLabel(this, QStringLiteral("SchulnameLbl"), QStringLiteral("Schulname:"), 16, 16,
              {nullptr, false, 13});
    m_aktSchulnameLbl = makeLabel(this, QStringLiteral("AktSchulnameLbl"), QString(), 224, 16,
                                  {Blue, false, 0});
    makeLabel(this, QStringLiteral("NeuSchulnameLbl"), QStringLiteral("Neuer Schulname (incl. Ort):"),
              16, 56, {});

    m_neuSchulnameEd = new QLineEdit(this);
    m_neuSchulnameEd->setObjectName(QStringLiteral("NeuSchulnameEd"));
    m_neuSchulnameEd->setGeometry(224, 52, 385, 21);
    m_neuSchulnameEd->setFrame(false);
    m_neuSchulnameEd->setMaxLength(MaxStringLength);
    QFont editFont = uiFont();
    editFont.setBold(true);
    m_neuSchulnameEd->setFont(editFont);
    m_neuSchulnameEd->setStyleSheet(QStringLiteral("QLineEdit { color: #ff0000; }"));
    connect(m_neuSchulnameEd, &QLineEdit::textChanged, this,
            [this](const QString &text) { m_editor.setNewSchoolName(text); });

    makeLabel(this, QStringLiteral("PflichtbereichLbl"), QStringLiteral("Pflichtbereich:"), 16, 160,
              {Maroon, true, 16});
    makeLabel(this, QStringLiteral("FremdsprLbl"), QStringLiteral("Fremdsprachen (im Pflichtbereich):"),
              16, 192, {Blue, true, 0});

    const SettingsView &v = m_editor.view();
    m_fremdsprachenSgr = new GridView(&v.FremdsprachenSgr, 1, this);
    m_fremdsprachenSgr->setObjectName(QStringLiteral("FremdsprachenSgr"));
    m_fremdsprachenSgr->setGeometry(48, 216, 278, 128);
    m_fremdsprachenSgr->setColumnWidths({90, 90});
    m_fremdsprachenSgr->setRowHeights(24);
    connect(m_fremdsprachenSgr, &GridView::cellReleased, this,
            [this](int col, int row, Qt::MouseButton, Qt::KeyboardModifiers, const QPoint &) {
                m_editor.FremdsprachenSgrMouseUp(col, row);
                refreshView();
            });

    makeLabel(this, QStringLiteral("WahlbereichLbl"), QStringLiteral("Wahlbereich:"), 16, 480,
              {Maroon, true, 0});
    makeLabel(this, QStringLiteral("FspiWahlberLbl"), QStringLiteral("Fremdsprache (im Wahlbereich):"),
              40, 512, {Maroon, false, 0});

    m_fspiWahlberSGr = new GridView(&v.FspiWahlberSGr, 1, this);
    m_fspiWahlberSGr->setObjectName(QStringLiteral("FspiWahlberSGr"));
    m_fspiWahlberSGr->setGeometry(40, 536, 245, 53);
    m_fspiWahlberSGr->setColumnWidths({120, 120});
    m_fspiWahlberSGr->setRowHeights(24);
    connect(m_fspiWahlberSGr, &GridView::cellReleased, this,
            [this](int col, int row, Qt::MouseButton, Qt::KeyboardModifiers, const QPoint &) {
                m_editor.FspiWahlberSGrMouseUp(col, row);
                refreshView();
            });

    auto makeList = [this](const QString &name) {
        auto *list = new QListWidget(this);
        list->setObjectName(name);
        list->setUniformItemSizes(true);
        list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->hide();
        return list;
    };
    m_fremdsprLbx = makeList(QStringLiteral("FremdsprLbx"));
    m_fspiWahlberLbx = makeList(QStringLiteral("FspiWahlberLbx"));
    // A click (or Return) on an entry picks it; the list is hidden at once, so
    // a second signal of the same click finds it hidden.
    auto forward = [this](QListWidget *list, void (SettingsEditor::*pick)(int)) {
        auto onPick = [this, list, pick](const QModelIndex &index) {
            if (!list->isVisible() || !index.isValid())
                return;
            (m_editor.*pick)(index.row());
            refreshView();
        };
        connect(list, &QListWidget::clicked, this, onPick);
        connect(list, &QListWidget::activated, this, onPick);
    };
    forward(m_fremdsprLbx, &SettingsEditor::FremdsprLbxClick);
    forward(m_fspiWahlberLbx, &SettingsEditor::FspiWahlberLbxClick);

    m_wostRgr = new QGroupBox(QStringLiteral("Zahl der Wochenstunden:"), this);
    m_wostRgr->setObjectName(QStringLiteral("WostRgr"));
    m_wostRgr->setGeometry(296, 544, 145, 41);
    m_wostButtons = new QButtonGroup(m_wostRgr);
    const QStringList items = {QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4 ")};
    for (int i = 0; i < items.size(); ++i) {
        auto *button = new QRadioButton(items[i], m_wostRgr);
        button->setGeometry(8 + i * 45, 19, 40, 17);
        m_wostButtons->addButton(button, i);
    }
    connect(m_wostButtons, &QButtonGroup::idClicked, this, [this](int id) {
        m_editor.WostRgrClick(id);
        refreshView();
    });
    m_wostRgr->hide();

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("EinstButtons"));
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("Abbrechen"));
    buttons->setGeometry(16, 696 - FrameHeight - 16 - 33, 696 - FrameWidth - 32, 33);
    connect(buttons, &QDialogButtonBox::accepted, this, &TEinstellungenFrm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TEinstellungenFrm::reject);
}

void TEinstellungenFrm::accept()
{
    m_apply = true;
    close();
}

void TEinstellungenFrm::reject()
{
    m_apply = false;
    close();
}

void TEinstellungenFrm::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        reject();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TEinstellungenFrm::fillList(QListWidget *list, const QStringList &entries)
{
    QStringList shown;
    for (int i = 0; i < list->count(); ++i)
        shown.append(list->item(i)->text());
    if (shown == entries)
        return;
    list->clear();
    list->addItems(entries);
}

void TEinstellungenFrm::placeLists()
{
    // Each list is as high as its entries.
    auto heightOf = [](const QListWidget *list) {
        const int item = list->count() > 0 ? list->sizeHintForRow(0) : list->fontMetrics().height();
        return list->count() * item + 5;
    };
    const int fremdsprHeight = heightOf(m_fremdsprLbx);
    m_fremdsprLbx->setGeometry(ListLeft, ListTop, ListWidth, fremdsprHeight);
    // The elective list stands on the bottom line of its grid.
    const int electiveHeight = heightOf(m_fspiWahlberLbx);
    m_fspiWahlberLbx->setGeometry(ElectiveListLeft, ElectiveGridBottom - electiveHeight, ListWidth,
                                  electiveHeight);
}

void TEinstellungenFrm::refreshView()
{
    const SettingsView &v = m_editor.view();
    setWindowTitle(v.caption);
    m_aktSchulnameLbl->setText(v.currentSchool);
    m_aktSchulnameLbl->adjustSize();
    m_fremdsprachenSgr->reload();
    m_fspiWahlberSGr->reload();

    fillList(m_fremdsprLbx, v.FremdsprLbx);
    fillList(m_fspiWahlberLbx, v.FspiWahlberLbx);
    placeLists();
    for (auto [list, visible] : {std::pair{m_fremdsprLbx, v.fremdsprLbxVisible},
                                 std::pair{m_fspiWahlberLbx, v.fspiWahlberLbxVisible}}) {
        if (visible && !list->isVisible()) {
            list->clearSelection();
            list->raise();
        }
        list->setVisible(visible);
    }

    checkRadioItem(m_wostButtons, v.wostItem);
    if (v.wostRgrVisible && !m_wostRgr->isVisible())
        m_wostRgr->raise();
    m_wostRgr->setVisible(v.wostRgrVisible);
}

void TEinstellungenFrm::showEvent(QShowEvent *event)
{
    // The dialog lives for one use: it is filled when it first appears.
    if (!m_shown && !event->spontaneous()) {
        m_shown = true;
        m_editor.FormShow();
    }
    refreshView();
    QWidget::showEvent(event);
}

void TEinstellungenFrm::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_closed)
        return;
    m_closed = true;
    emit closed(m_apply);
}

} // namespace tamb
