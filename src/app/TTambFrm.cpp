#include "app/TTambFrm.h"

#include "widgets/GridView.h"
#include "widgets/ScreenPlacement.h"
#include "widgets/Zoom.h"
#include "app/HelpWindow.h"
#include "app/WidgetInteraction.h"
#include "rules/ChoiceCheck.h"
#include "model/CellNames.h"
#include "rules/Dispatch.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QLayout>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolTip>

namespace tamb {

namespace {

// Outer frame of a Windows window (caption and borders) that the given
// window sizes include.
constexpr int FrameWidth = 8;
constexpr int FrameHeight = 34;

QFont uiFont(qreal pointSize = 8)
{
    return programFont(pointSize);
}

QFont pixelFont(int pixels, bool bold = false)
{
    QFont font = uiFont();
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QLabel *makePanel(QWidget *parent, const QString &name, const QString &caption,
                  const QRect &geometry, bool bold = true)
{
    auto *panel = new QLabel(caption, parent);
    panel->setObjectName(name);
    panel->setGeometry(geometry);
    panel->setAlignment(Qt::AlignCenter);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(1);
    panel->setAutoFillBackground(true);
    QFont font = uiFont();
    font.setBold(bold);
    panel->setFont(font);
    return panel;
}

// A label's colours through its palette (a style sheet would cost the start
// a style of its own); no change, no repaint.
void setTextColor(QWidget *widget, const QColor &text, const QColor &background = QColor())
{
    QPalette palette = widget->palette();
    if (palette.color(QPalette::WindowText) == text
        && (!background.isValid() || palette.color(QPalette::Window) == background))
        return;
    palette.setColor(QPalette::WindowText, text);
    if (background.isValid())
        palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
}

QString colorName(LabelColor color)
{
    switch (color) {
    case LabelColor::Red:
        return QStringLiteral("#ff0000");
    case LabelColor::Green:
        return QStringLiteral("#008000");
    case LabelColor::Purple:
        return QStringLiteral("#800080");
    case LabelColor::Black:
        break;
    }
    return QStringLiteral("#000000");
}

// Narrows a font (same size) until the wrapped text fits; the face at hand
// may be wider than the one the area was made for.
void fitToHeight(QFont &font, const QString &text, const QSize &area)
{
    for (int stretch = 100; stretch >= 80; stretch -= 4) {
        font.setStretch(stretch);
        const QRect needed = QFontMetrics(font).boundingRect(
            QRect(0, 0, area.width(), 100000), Qt::TextWordWrap | Qt::AlignLeft, text);
        if (needed.height() <= area.height())
            return;
    }
}

} // namespace

TTambFrm::TTambFrm(const StartOptions &options, QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Tambfrm"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFont(uiFont());
    setProperty("helpContext", 10);
    if (options.ui) {
        m_ui = options.ui;
    } else {
        m_ownUi = std::make_unique<WidgetInteraction>(this);
        m_ownUi->windowOpener = [this](Window window) { openWindow(window); };
        m_ui = m_ownUi.get();
    }

    buildWidgets();
    buildMenus();
    setAcceptDrops(true);

    QSize screen = options.screen;
    if (screen.isEmpty()) {
        if (QScreen *primary = QGuiApplication::primaryScreen())
            screen = primary->size();
    }
    const QString workingDirectory =
        options.workingDirectory.isEmpty() ? QDir::currentPath() : options.workingDirectory;

    FormCreate(m_model, *m_ui, screen.width(), screen.height(), workingDirectory);

    m_zoom = startZoom();
    applyZoom();
    refreshView();
    // Centred on the screen, then moved to the top: the frame's top, so that
    // the title bar stays on the screen.
    const int frameWidth = frameGeometry().width() > width() ? frameGeometry().width()
                                                             : Zoomed(m_model.view.width, m_zoom);
    placeOnScreen(this, QPoint(qMax(0, (screen.width() - frameWidth) / 2), 0));
    settle();
    startRecovery(options.recoveryFolder);
}

TTambFrm::~TTambFrm()
{
    releaseChildWindows();
}

void TTambFrm::fitWindow()
{
    const int bar = menuBar()->sizeHint().height();
    // The status line is as high with a hint as without one, umlauts included.
    const QFontMetrics metrics = m_hintLine->fontMetrics();
    const int line = qMax(metrics.height(),
                          metrics.boundingRect(QRect(), Qt::TextSingleLine, QStringLiteral("ÄÖÜäöüßgjy")).height());
    if (m_hintLine->minimumHeight() != line) {
        m_hintLine->setFixedHeight(line);
        // The status bar measures its items when they are added.
        statusBar()->removeWidget(m_hintLine);
        statusBar()->addWidget(m_hintLine, 1);
        m_hintLine->show();
    }
    const int width = Zoomed(m_model.view.width - FrameWidth, m_zoom);
    int height = Zoomed(780 - FrameHeight, m_zoom) - bar;
    const QSize room = roomOnScreen(this);
    // The status line comes below the window's own height, where the screen
    // has room for it; the hints it repeats stay at their cells.
    const bool statusFits = height + bar + statusBar()->sizeHint().height() <= room.height();
    if (statusBar()->isVisibleTo(this) != statusFits)
        statusBar()->setVisible(statusFits);
    const int status = statusFits ? statusBar()->sizeHint().height() : 0;
    // On a screen with less room the contents first give up the free strip
    // below their lowest widget; then the window scrolls.
    int lowest = 0;
    for (const QWidget *w : m_contents->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        lowest = qMax(lowest, w->geometry().bottom() + 1);
    const int leastHeight = qMin(height, lowest + 4);
    if (height + bar + status > room.height())
        height = qMax(qMin(height, room.height() - bar - status), leastHeight);
    m_contents->setFixedSize(width, height);
    QSize outer(width, height + bar + status);
    // A scroll bar stands beside the contents, not over them.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    if (outer.height() > room.height())
        outer.rwidth() += scrollBar;
    if (outer.width() > room.width())
        outer.rheight() += scrollBar;
    outer = outer.boundedTo(room);
    if (size() != outer)
        setFixedSize(outer);
    // A style's bars may be higher than their hints said: once laid out, the
    // window grows by what the contents still miss, as far as the room allows.
    auto *scroll = qobject_cast<QAbstractScrollArea *>(centralWidget());
    if (!scroll || !layout())
        return;
    layout()->activate();
    const QSize port = scroll->maximumViewportSize();
    const QSize missing(qMax(0, width - port.width()), qMax(0, height - port.height()));
    const QSize grown = (outer + missing).boundedTo(room);
    if (grown != size())
        setFixedSize(grown);
    // Where the room ends first, the contents give up more of their free strip.
    const int shortBy = (outer + missing).height() - grown.height();
    if (shortBy > 0 && height > leastHeight)
        m_contents->setFixedHeight(qMax(leastHeight, height - shortBy));
}

void TTambFrm::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    // The room on the screen is known once the window has its frame.
    fitWindow();
}

void TTambFrm::buildWidgets()
{
    auto *scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("TambfrmScroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(false);
    setCentralWidget(scroll);
    auto *central = new QWidget;
    m_contents = central;
    scroll->setWidget(central);
    QPalette pal = central->palette();
    central->setAutoFillBackground(true);

    m_faecherSgr = new GridView(&m_model.FaecherSgr, 1, central);
    m_faecherSgr->setObjectName(QStringLiteral("FaecherSgr"));
    m_faecherSgr->setGeometry(8, 7, 299, 654);
    m_faecherSgr->setColumnWidths({105, 20, 20, 20, 20, 20, 20, 20, 42});
    m_faecherSgr->setRowHeights(20);
    m_faecherSgr->viewport()->setCursor(Qt::PointingHandCursor);
    m_faecherSgr->setProperty("helpContext", 100);
    m_faecherSgr->enableKeyboardCursor();
    m_faecherSgr->setCellTexts([this](int col, int row) { return courseCellName(col, row); },
                               [this](int col, int row) { return courseCellTip(col, row); });
    m_faecherSgr->gridModel()->setCellMarks([this](int col, int row) { return courseCellMarks(col, row); });
    m_faecherSgr->setAccessibleName(QStringLiteral("Fächer"));
    connect(m_faecherSgr, &GridView::cellPressed, this,
            [this](int col, int row, Qt::MouseButton, Qt::KeyboardModifiers, const QPoint &global) {
                clickCourseTable(col, row, global);
            });
    // A tooltip shown at the press would vanish with the release: the hint
    // of a refused click appears when the button comes up.
    connect(m_faecherSgr, &GridView::cellReleased, this,
            [this](int, int, Qt::MouseButton, Qt::KeyboardModifiers, const QPoint &global) {
                showHint(global);
            });

    m_pfaecherSgr = new GridView(&m_model.PfaecherSgr, 0, central);
    m_pfaecherSgr->setObjectName(QStringLiteral("PfaecherSgr"));
    m_pfaecherSgr->gridModel()->setFixedRows(0);
    m_pfaecherSgr->setGeometry(380, 7, 319, 178);
    m_pfaecherSgr->setColumnWidths({30, 120, 10, 30, 120, 64});
    m_pfaecherSgr->setRowHeights(24);
    m_pfaecherSgr->setProperty("helpContext", 10);
    m_pfaecherSgr->setDisplayOnly();

    m_wostSgr = new GridView(&m_model.WostSgr, 0, central);
    m_wostSgr->setObjectName(QStringLiteral("WostSgr"));
    m_wostSgr->gridModel()->setFixedRows(0);
    m_wostSgr->gridModel()->setCellBackground(QColor(Qt::yellow));
    m_wostSgr->setGeometry(8, 7 + 654, 256, 22);
    m_wostSgr->setColumnWidths({168, 20, 20, 20, 20});
    m_wostSgr->setRowHeights(20);
    m_wostSgr->setDisplayOnly();

    m_kurszSgr = new GridView(&m_model.KurszSgr, 0, central);
    m_kurszSgr->setObjectName(QStringLiteral("KurszSgr"));
    m_kurszSgr->gridModel()->setFixedRows(0);
    m_kurszSgr->setGeometry(8, 7 + 654 + 22, 299, 22);
    m_kurszSgr->setColumnWidths({252, 47});
    m_kurszSgr->setRowHeights(20);
    m_kurszSgr->setDisplayOnly();

    // Headings over the examination overview.
    m_panels = {
        makePanel(central, QStringLiteral("KKFPnl"), QStringLiteral("Kernfächer"), {383, 9, 150, 24}),
        makePanel(central, QStringLiteral("KPnl"), QStringLiteral("K"), {382, 34, 30, 123}),
        makePanel(central, QStringLiteral("zPnl"), QString(), {534, 9, 10, 148}),
        makePanel(central, QStringLiteral("PrfPnl"), QStringLiteral("Prüfungsfächer"), {545, 9, 151, 24}),
        makePanel(central, QStringLiteral("sPnl"), QStringLiteral("s"), {545, 34, 30, 123}),
        makePanel(central, QStringLiteral("mPrfPnl"), QStringLiteral("mündliches Prüfungsfach"), {383, 158, 161, 24}),
        makePanel(central, QStringLiteral("mPnl"), QStringLiteral("m"), {545, 158, 30, 24}),
    };
    m_agPnl = makePanel(central, QStringLiteral("AGPnl"), QStringLiteral("Arbeitsgemeinschaften"),
                        {10, 639, 169, 22});
    m_agPnl->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_agStdEd = new QLineEdit(central);
    m_agStdEd->setObjectName(QStringLiteral("AGStdEd"));
    m_agStdEd->setGeometry(112, 680, 20, 20);
    m_agStdEd->setFrame(false);
    m_agStdEd->setAccessibleName(QStringLiteral("Arbeitsgemeinschaften, Wochenstunden"));
    m_agStdEd->setProperty("helpContext", 320);
    m_agStdEd->hide();
    m_agStdEd->installEventFilter(this);

    m_afSemKLbl = new QLabel(central);
    m_afSemKLbl->setObjectName(QStringLiteral("AfSemKLbl"));
    m_afSemKLbl->move(380, 189);
    setTextColor(m_afSemKLbl, QColor(0x80, 0x00, 0x80));
    m_afSemKLbl->setCursor(Qt::PointingHandCursor);
    m_afSemKLbl->hide();
    m_afSemKLbl->installEventFilter(this);

    m_kontollLbl = new QLabel(QStringLiteral("KONTROLLE:"), central);
    m_kontollLbl->setObjectName(QStringLiteral("KontollLbl"));
    m_kontollLbl->setFont(pixelFont(19, true));
    m_kontollLbl->move(380, 207);
    m_kontollLbl->adjustSize();

    m_fehlerBev = new QFrame(central);
    m_fehlerBev->setObjectName(QStringLiteral("FehlerBev"));
    m_fehlerBev->setGeometry(380, 233, 332, 327);
    m_fehlerBev->setFrameShape(QFrame::Box);
    m_fehlerBev->setFrameShadow(QFrame::Sunken);

    m_label1 = new QLabel(central);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(385, 240, 322, 316);
    m_label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label1->setTextFormat(Qt::PlainText);
    m_label1->setWordWrap(true);
    m_label1->setCursor(Qt::WhatsThisCursor);
    m_label1->setToolTip(QStringLiteral("Klick auf eine Meldung: ihre Erklärung in der Hilfe"));
    for (QObject *explained : {static_cast<QObject *>(m_label1), static_cast<QObject *>(m_faecherSgr),
                               static_cast<QObject *>(m_faecherSgr->viewport())})
        explained->installEventFilter(this);
    m_label1->setAccessibleDescription(QStringLiteral("KONTROLLE:"));
    // A message is chosen by a click or by the arrow keys.
    m_label1->setFocusPolicy(Qt::StrongFocus);

    m_bevel2 = new QFrame(central);
    m_bevel2->setObjectName(QStringLiteral("Bevel2"));
    m_bevel2->setGeometry(380, 567, 332, 116);
    m_bevel2->setFrameShape(QFrame::Box);
    m_bevel2->setFrameShadow(QFrame::Sunken);
    m_bevel2->hide();

    m_label2 = new QLabel(central);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setGeometry(385, 571, 324, 110);
    m_label2->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_label2->setTextFormat(Qt::PlainText);
    m_label2->hide();

    m_garantieLbl = new QLabel(central);
    m_garantieLbl->setObjectName(QStringLiteral("GarantieLbl"));
    m_garantieLbl->setFont(pixelFont(12));
    m_garantieLbl->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_garantieLbl->setText(shownText(QStringLiteral(
        "Absolute Fehlerfreiheit kann nicht garantiert werden.\n\rIm Zweifelsfall gilt die NGVO!")));
    m_garantieLbl->move(395, 688);
    m_garantieLbl->adjustSize();

    m_einstPnl = new QLabel(QStringLiteral("Sollen die Einstellungen jetzt überprüft werden?"), central);
    m_einstPnl->setObjectName(QStringLiteral("EinstPnl"));
    m_einstPnl->setGeometry(100, 212, 500, 160);
    m_einstPnl->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    m_einstPnl->setContentsMargins(0, 30, 0, 0);
    m_einstPnl->setAutoFillBackground(true);
    setTextColor(m_einstPnl, Qt::white, QColor(0x80, 0x80, 0x80));
    m_einstPnl->setFont(pixelFont(19));
    m_einstPnl->hide();

    m_einstJaBtn = new QPushButton(QStringLiteral("Ja"), central);
    m_einstJaBtn->setObjectName(QStringLiteral("EinstJaBtn"));
    m_einstJaBtn->setGeometry(230, 327, 80, 33);
    m_einstJaBtn->hide();
    connect(m_einstJaBtn, &QPushButton::clicked, this, &TTambFrm::EinstJaBtnClick);

    m_einstNeinBtn = new QPushButton(QStringLiteral("Nein"), central);
    m_einstNeinBtn->setObjectName(QStringLiteral("EinstNeinBtn"));
    m_einstNeinBtn->setGeometry(390, 327, 80, 33);
    m_einstNeinBtn->hide();
    connect(m_einstNeinBtn, &QPushButton::clicked, this, &TTambFrm::EinstNeinBtnClick);
    m_einstJaBtn->raise();
    m_einstNeinBtn->raise();
    Q_UNUSED(pal);

    m_hintLine = new QLabel(this);
    m_hintLine->setObjectName(QStringLiteral("HinweisLbl"));
    m_hintLine->setTextFormat(Qt::PlainText);
    // The line never asks the fixed-size window for room: a long hint is cut
    // short with "..." (whole in its tooltip and for screen readers).
    m_hintLine->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    statusBar()->setObjectName(QStringLiteral("StatusBar"));
    statusBar()->setSizeGripEnabled(false);
    statusBar()->addWidget(m_hintLine, 1);
}

void TTambFrm::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("Hauptmenue"));
    QMenu *datei = bar->addMenu(QStringLiteral("&Datei"));
    datei->setObjectName(QStringLiteral("Datei1"));
    m_oeffnen = datei->addAction(QStringLiteral("&Öffnen"), this, &TTambFrm::OeffnenClick);
    m_oeffnen->setObjectName(QStringLiteral("Oeffnen"));
    m_oeffnen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    datei->addAction(QStringLiteral("&Jahrgang öffnen ..."), this, &TTambFrm::JahrgangOeffnenClick)
        ->setObjectName(QStringLiteral("JahrgangOeffnen"));
    m_recentMenu = datei->addMenu(QStringLiteral("&Zuletzt geöffnet"));
    m_recentMenu->setObjectName(QStringLiteral("ZuletztGeoeffnet"));
    updateRecentMenu();
    datei->addSeparator();
    m_speichernMenu = datei->addMenu(QStringLiteral("&Speichern"));
    m_speichernMenu->setObjectName(QStringLiteral("Speichern"));
    // The separator after the last item shows too.
    m_speichernMenu->setSeparatorsCollapsible(false);
    m_speichern = m_speichernMenu->menuAction();
    m_wahlspeichern = m_speichernMenu->addAction(QStringLiteral("&Wahl speichern    (*.tmd)"), this,
                                                 &TTambFrm::WahlspeichernClick);
    m_wahlspeichern->setObjectName(QStringLiteral("Wahlspeichern"));
    m_wahlspeichern->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    m_speichernMenu->addSeparator();
    m_wahlundNoten = m_speichernMenu->addAction(QStringLiteral("Wahl und &Noten   (*.tnd)"), this,
                                                &TTambFrm::WahlundNotenMPClick);
    m_wahlundNoten->setObjectName(QStringLiteral("WahlundNotenMP"));
    m_wahlundNoten->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    m_speichernMenu->addSeparator();
    datei->addSeparator();
    QAction *beenden = datei->addAction(QStringLiteral("&Beenden"), this, &QWidget::close);
    beenden->setObjectName(QStringLiteral("Beenden"));
    beenden->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    buildEditMenu(bar);

    QAction *neu = bar->addAction(QStringLiteral("&Neu"), this, &TTambFrm::NeuesFormularClick);
    neu->setObjectName(QStringLiteral("NeuesFormular"));
    neu->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    neu->setStatusTip(QStringLiteral("Bestehendes Formular leeren"));
    neu->setToolTip(QStringLiteral("Bestehendes Formular leeren"));
    m_drucken = bar->addAction(QStringLiteral("D&rucken"), this, &TTambFrm::DruckenClick);
    m_drucken->setObjectName(QStringLiteral("Drucken"));
    m_drucken->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    m_noten = bar->addAction(QStringLiteral("No&ten"), this, &TTambFrm::NotenClick);
    m_noten->setObjectName(QStringLiteral("Noten"));
    buildViewMenu(bar);
    QAction *einst = bar->addAction(QStringLiteral("&Einstellungen"), this, &TTambFrm::EinstellungenClick);
    einst->setObjectName(QStringLiteral("Einstellungen"));
    QAction *hilfe = bar->addAction(QStringLiteral("&Hilfe"), this, &TTambFrm::Hilfe1Click);
    hilfe->setObjectName(QStringLiteral("Hilfe1"));
}

void TTambFrm::refreshView()
{
    const MainView &v = m_model.view;
    // The platform's mark of unsaved changes follows the title's own text.
    setWindowTitle(v.title + QStringLiteral("[*]"));
    setWindowModified(m_model.Modified != 0);
    m_faecherSgr->reload();
    m_pfaecherSgr->reload();
    m_wostSgr->reload();
    m_kurszSgr->reload();

    // The message area keeps one size of type; a long list of faults is set
    // narrower until it fits the frame.
    const QString messages = shownText(v.messages);
    QFont font = uiFont(messagesPointSize() * v.messagesPointSize / 11);
    font.setBold(v.messagesBold);
    fitToHeight(font, messages, UnzoomedGeometry(m_label1).size());
    m_label1->setFont(font);
    m_label1->setText(messages);
    setTextColor(m_label1, QColor(colorName(v.messagesColor)));

    m_label2->setText(shownText(v.legend));
    const bool normal = !v.settingsNotice;
    m_label2->setVisible(normal && v.legendVisible);
    m_bevel2->setVisible(normal && v.legendVisible);

    // The field's name ends at the contents' right edge: where the face at hand
    // is wider than the room, it is cut short with "..." (whole in its tooltip
    // and for screen readers), as the status line does.
    const int captionRoom = v.width - FrameWidth - UnzoomedGeometry(m_afSemKLbl).x();
    m_afSemKLbl->setText(m_afSemKLbl->fontMetrics().elidedText(v.afSemKCaption, Qt::ElideRight,
                                                                 Zoomed(captionRoom, m_zoom)));
    m_afSemKLbl->setToolTip(m_afSemKLbl->text() == v.afSemKCaption ? QString() : v.afSemKCaption);
    m_afSemKLbl->setAccessibleName(v.afSemKCaption);
    m_afSemKLbl->adjustSize();
    m_afSemKLbl->setVisible(normal && v.afSemKVisible);

    m_speichern->setEnabled(v.menusEnabled);
    // Their keys must not save past the disabled submenu.
    m_wahlspeichern->setEnabled(v.menusEnabled);
    m_wahlundNoten->setEnabled(v.menusEnabled);
    m_drucken->setEnabled(v.menusEnabled);
    m_noten->setEnabled(v.menusEnabled);

    if (v.hoursEditorVisible) {
        m_agStdEd->setGeometry(v.hoursEditorLeft, v.hoursEditorTop, v.hoursEditorWidth, 20);
        if (m_agStdEd->text() != v.hoursEditorText)
            m_agStdEd->setText(v.hoursEditorText);
        if (!m_agStdEd->isVisible()) {
            // Framed, so that the open editor is seen over the row; styled
            // when first opened, not at the start.
            if (m_agStdEd->styleSheet().isEmpty())
                m_agStdEd->setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #000080; }"));
            m_agStdEd->show();
            m_agStdEd->raise();
            m_agStdEd->setFocus();
        }
    } else if (m_agStdEd->isVisible()) {
        const bool hadFocus = m_agStdEd->hasFocus();
        m_agStdEd->hide();
        if (hadFocus)
            m_faecherSgr->setFocus();
    }
    applyNoticeState();
    announceHint();
    followBLLDialog();
    // What was set above is the window at 100 %.
    ApplyZoom(this, m_zoom);
    ApplyZoom(m_contents, m_zoom);
    if (m_contents->width() != Zoomed(v.width - FrameWidth, m_zoom))
        fitWindow();
    schedulePreview();
}

qreal TTambFrm::messagesPointSize()
{
    // 11 points where the face allows; a face with taller lines takes the
    // largest size at which the longest list of faults fits, every time.
    if (m_messagesPointSize > 0)
        return m_messagesPointSize;
    Model longest = m_model;
    for (int r = 0; r < SubjectCount; ++r)
        longest.Choice[Core][r] = longest.Choice[Written][r] = false;
    ShowMessages(longest, SubjectCount, (FaultHours - 1) & ~FaultNoScience);
    const QString text = shownText(longest.view.messages);
    QFont font = uiFont(11);
    const QSize area = UnzoomedGeometry(m_label1).size();
    for (; font.pointSizeF() > 7; font.setPointSizeF(font.pointSizeF() - 0.5)) {
        const QRect needed = QFontMetrics(font).boundingRect(
            QRect(0, 0, area.width(), 100000), Qt::TextWordWrap | Qt::AlignLeft, text);
        if (needed.height() <= area.height())
            break;
    }
    m_messagesPointSize = font.pointSizeF();
    return m_messagesPointSize;
}

void TTambFrm::applyNoticeState()
{
    const bool notice = m_model.view.settingsNotice;
    for (QWidget *w : std::initializer_list<QWidget *>{m_faecherSgr, m_pfaecherSgr, m_wostSgr,
                                                       m_kurszSgr, m_fehlerBev, m_label1, m_agPnl,
                                                       m_kontollLbl})
        w->setVisible(!notice);
    // The notice hides every heading; leaving it shows them all again.
    for (QLabel *panel : m_panels)
        panel->setVisible(!notice);
    m_einstPnl->setVisible(notice);
    m_einstJaBtn->setVisible(notice);
    m_einstNeinBtn->setVisible(notice);
}

void TTambFrm::clickCourseTable(int col, int row, const QPoint &globalPos)
{
    QToolTip::hideText();
    FaecherSgrMouseDown(m_model, *m_ui, col, row);
    commitStep(ClickStepName(m_model, col, row));
    showHint(globalPos);
}

void TTambFrm::showHint(const QPoint &globalPos)
{
    if (!m_model.view.hintShown || globalPos.isNull())
        return;
    // Stays while the mouse is over the table; the next click switches it off.
    QString hint = shownText(m_model.view.hint);
    if (!HelpWindow::hintExplanation(m_model.view.hint).isEmpty())
        hint += QStringLiteral("\n\n") + HelpWindow::HintOffer;
    QToolTip::showText(globalPos, hint, m_faecherSgr,
                       m_faecherSgr->rect(), 30000);
}

void TTambFrm::NeuesFormularClick()
{
    // Unsaved work is not thrown away without a question.
    if (!mayDiscardChanges())
        return;
    tamb::NeuesFormularClick(m_model, *m_ui);
    commitStep(QStringLiteral("Neu"));
}

void TTambFrm::EinstJaBtnClick()
{
    tamb::EinstJaBtnClick(m_model, *m_ui);
    refreshView();
    settle();
}

void TTambFrm::EinstNeinBtnClick()
{
    tamb::EinstNeinBtnClick(m_model);
    refreshView();
    settle();
}

void TTambFrm::EinstellungenClick()
{
    m_model.SettingsSeen = true;
    openSettingsDialog();
}

void TTambFrm::Hilfe1Click()
{
    HelpWindow::showContents();
}

void TTambFrm::openWindow(Window window)
{
    switch (window) {
    case Window::BLLDialog:
        openBLLDialog();
        break;
    case Window::SettingsDialog:
        openSettingsDialog();
        break;
    case Window::GradesWindow:
        openGradesWindow();
        break;
    }
}

void TTambFrm::showEvent(QShowEvent *event)
{
    FormShow(m_model);
    refreshView();
    settle();
    QMainWindow::showEvent(event);
}

void TTambFrm::paintEvent(QPaintEvent *event)
{
    FormPaint(m_model);
    QMainWindow::paintEvent(event);
}

void TTambFrm::closeEvent(QCloseEvent *event)
{
    const CloseAction action = FormCloseQuery(m_model, *m_ui);
    if (action == CloseAction::Stay || !saveBeforeClose(action)) {
        event->ignore();
        return;
    }
    releaseChildWindows();
    // A clean end: nothing to recover.
    if (m_recovery)
        m_recovery->discard();
    event->accept();
}

void TTambFrm::releaseChildWindows()
{
    for (QPointer<QWidget> *window : {&m_persDatenFrm, &m_notenFrm, &m_druckFrm, &m_bllFrm,
                                      &m_einstellungenFrm, &m_yearGroupFrm}) {
        if (*window)
            delete window->data();
        *window = nullptr;
    }
}

bool TTambFrm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_label1 && messageAreaEvent(event))
        return true;
    if (explainInHelp(watched, event))
        return true;
    if (watched == m_agStdEd && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        hoursEditorKey(key->key(), key->text());
        return true;
    }
    if (watched == m_afSemKLbl && event->type() == QEvent::MouseButtonPress) {
        AfSemKLblClick(m_model, *m_ui);
        commitStep(QStringLiteral("Besondere Lernleistung"));
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

} // namespace tamb
