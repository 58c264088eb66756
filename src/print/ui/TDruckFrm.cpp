#include "print/ui/TDruckFrm.h"

#include "files/Clock.h"
#include "files/FileNames.h"
#include "files/SaveOpen.h"
#include "files/SelectionFile.h"
#include "model/Interaction.h"
#include "print/FormLayout.h"
#include "print/ui/FormPdf.h"
#include "print/ui/QPainterCanvas.h"
#include "widgets/ScreenPlacement.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <QtMath>

namespace tamb {

namespace {

// The preview image has the resolution of a standard screen, so that point
// sizes look as they do in the rest of the program.
constexpr int ScreenDotsPerMeter = 3780; // 96 dpi
constexpr int PageMargin = 8;            // `Seite` at (8, 8)

// Frame of a window (caption and borders) that the given window sizes include.
constexpr int FrameWidth = 8;
constexpr int FrameHeight = 34;

// "Cursor2": the page can be clicked.
const Qt::CursorShape PageCursor = Qt::PointingHandCursor;

// Sizes of the page in pixels per millimetre; 100 % is the paper's size on
// a standard screen.
constexpr qreal RealSize = ScreenDotsPerMeter / 1000.0;
const qreal ZoomSteps[] = {1.5, 2, 2.5, 3, RealSize, 4, 5, 6, 8};

} // namespace

PageImage::PageImage(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Seite"));
    setCursor(PageCursor);
}

void PageImage::setImage(const QImage &image)
{
    m_image = image;
    setFixedSize(image.size());
    update();
}

void PageImage::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

void PageImage::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
}

void PageImage::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton
                       && rect().contains(event->position().toPoint());
    m_pressed = false;
    if (click)
        emit clicked();
}

TDruckFrm::TDruckFrm(const Model &model, QWidget *parent) : QDialog(parent), m_model(model)
{
    setObjectName(QStringLiteral("DruckFrm"));
    setWindowTitle(QStringLiteral("Druckvorschau"));
    setCursor(PageCursor);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto *tools = new QToolBar(this);
    tools->setObjectName(QStringLiteral("DruckWerkzeuge"));
    tools->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto add = [this, tools](const QString &text, const QString &name, const QList<QKeySequence> &keys,
                             auto slot) {
        QAction *action = tools->addAction(text, this, slot);
        action->setObjectName(name);
        action->setShortcuts(keys);
        return action;
    };
    add(QStringLiteral("&Drucken ..."), QStringLiteral("VorschauDrucken"), {QKeySequence(Qt::CTRL | Qt::Key_P)},
        &TDruckFrm::printRequested);
    m_pdfAction = add(QStringLiteral("Als &PDF speichern ..."), QStringLiteral("AlsPdfSpeichern"), {},
                      &TDruckFrm::savePdf);
    m_pdfAction->setVisible(false);
    tools->addSeparator();
    add(QStringLiteral("Ver&größern"), QStringLiteral("VorschauGroesser"),
        {QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}, [this] { zoomBy(1); });
    add(QStringLiteral("Ver&kleinern"), QStringLiteral("VorschauKleiner"), {QKeySequence(Qt::CTRL | Qt::Key_Minus)},
        [this] { zoomBy(-1); });
    add(QStringLiteral("&Ganze Seite"), QStringLiteral("GanzeSeite"), {}, &TDruckFrm::wholePage);
    add(QStringLiteral("&100 %"), QStringLiteral("Originalgroesse"), {QKeySequence(Qt::CTRL | Qt::Key_0)},
        &TDruckFrm::realSize);
    layout->addWidget(tools);
    m_scroll = new QScrollArea(this);
    m_scroll->setFrameShape(QFrame::NoFrame);
    m_scroll->setBackgroundRole(QPalette::Button);
    m_scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_scroll->verticalScrollBar()->setSingleStep(10);
    m_scroll->setWidgetResizable(false);
    layout->addWidget(m_scroll);

    m_sheet = new QWidget;
    m_sheet->setBackgroundRole(QPalette::Button);
    m_seite = new PageImage(m_sheet);
    m_seite->move(PageMargin, PageMargin);
    m_scroll->setWidget(m_sheet);
    connect(m_seite, &PageImage::clicked, this, &TDruckFrm::SeiteClick);

    m_savedLbl = new QLabel(this);
    m_savedLbl->setObjectName(QStringLiteral("GespeichertLbl"));
    m_savedLbl->setTextFormat(Qt::PlainText);
    m_savedLbl->setContentsMargins(PageMargin, 2, PageMargin, 2);
    m_savedLbl->hide();
    layout->addWidget(m_savedLbl);

    resize(880 - FrameWidth, 300);
}

void TDruckFrm::setInteraction(Interaction *ui)
{
    m_ui = ui;
    m_pdfAction->setVisible(ui != nullptr);
}

void TDruckFrm::showEvent(QShowEvent *event)
{
    m_scale = 4;
    m_savedLbl->hide();
    resize(QSize(880 - FrameWidth, 900 - FrameHeight).boundedTo(roomOnScreen(this)));
    drawPage();
    QDialog::showEvent(event);
    placeOnScreen(this, pos());
}

void TDruckFrm::hideEvent(QHideEvent *event)
{
    erasePage();
    // After the first showing the page scrolls in larger steps.
    m_scroll->verticalScrollBar()->setSingleStep(100);
    QDialog::hideEvent(event);
}

void TDruckFrm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        drawPage();
    QDialog::changeEvent(event);
}

void TDruckFrm::SeiteClick()
{
    setScale(m_scale == 4 ? 3 : 4);
}

void TDruckFrm::setScale(qreal pixelsPerMm)
{
    erasePage();
    m_scale = qBound(ZoomSteps[0], pixelsPerMm, ZoomSteps[std::size(ZoomSteps) - 1]);
    drawPage();
}

void TDruckFrm::zoomBy(int direction)
{
    qreal next = m_scale;
    if (direction > 0) {
        for (auto it = std::begin(ZoomSteps); it != std::end(ZoomSteps) && next == m_scale; ++it)
            if (*it > m_scale + 0.01)
                next = *it;
    } else {
        for (auto it = std::rbegin(ZoomSteps); it != std::rend(ZoomSteps) && next == m_scale; ++it)
            if (*it < m_scale - 0.01)
                next = *it;
    }
    setScale(next);
}

void TDruckFrm::wholePage()
{
    const QSize room = m_scroll->viewport()->size() - QSize(2 * PageMargin, 2 * PageMargin);
    setScale(qMin(room.width() / 210.0, room.height() / 297.0));
}

void TDruckFrm::realSize()
{
    setScale(RealSize);
}

void TDruckFrm::savePdf()
{
    if (!m_ui)
        return;
    const QString proposed = DefaultFileName(m_model.PersonalData, m_today.isValid() ? m_today : Today())
                             + QStringLiteral(".pdf");
    QString path = m_ui->saveFileName(QStringLiteral("Als PDF speichern"), WorkingFolder(m_model), proposed,
                                      QStringLiteral("PDF-Dokumente (*.pdf)"));
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    const QString shown = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    const WriteOutcome written =
        WriteFormPdf(path, m_model, m_model.GridRows, m_model.PersonalData, m_wahlart, m_today);
    if (!written) {
        m_savedLbl->hide();
        m_ui->error(CannotCreateText(shown) + QStringLiteral("\n\r") + written.reason);
        return;
    }
    m_savedLbl->setText(QStringLiteral("Gespeichert: ") + shown);
    m_savedLbl->show();
}

void TDruckFrm::erasePage()
{
    QImage &image = m_seite->image();
    if (image.isNull())
        return;
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.fillRect(0, 0, image.width(), image.height(), Fill::Paper);
    painter.end();
    m_seite->update();
}

void TDruckFrm::drawPage()
{
    // The form is laid out for whole pixels per millimetre; a size between
    // them is the next larger one scaled down.
    const int u = qMax(1, qCeil(m_scale - 0.001));
    QImage image(qRound(210 * m_scale), qRound(297 * m_scale), QImage::Format_RGB32);
    image.setDotsPerMeterX(ScreenDotsPerMeter);
    image.setDotsPerMeterY(ScreenDotsPerMeter);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        if (u != m_scale)
            painter.scale(m_scale / u, m_scale / u);
        QPainterCanvas canvas(painter);
        FormPage page;
        page.wahlart = m_wahlart;
        page.today = m_today;
        DrawForm(canvas, m_model, u, m_model.GridRows, m_model.PersonalData, page);
    }
    m_seite->setImage(image);
    m_sheet->resize(PageMargin + image.width(), PageMargin + image.height() + PageMargin);
}

} // namespace tamb
