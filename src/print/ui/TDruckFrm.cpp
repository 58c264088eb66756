#include "print/ui/TDruckFrm.h"

#include "print/FormLayout.h"
#include "print/ui/QPainterCanvas.h"
#include "widgets/ScreenPlacement.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

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

    resize(880 - FrameWidth, 300);
}

void TDruckFrm::showEvent(QShowEvent *event)
{
    m_previewFactor = 4;
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
    erasePage();
    m_previewFactor = 12 / m_previewFactor;
    drawPage();
}

void TDruckFrm::erasePage()
{
    QImage &image = m_seite->image();
    if (image.isNull())
        return;
    QPainter painter(&image);
    QPainterCanvas canvas(painter);
    canvas.fillRect(0, 0, 210 * m_previewFactor, 297 * m_previewFactor, Fill::Paper);
    painter.end();
    m_seite->update();
}

void TDruckFrm::drawPage()
{
    const int u = m_previewFactor;
    QImage image(210 * u, 297 * u, QImage::Format_RGB32);
    image.setDotsPerMeterX(ScreenDotsPerMeter);
    image.setDotsPerMeterY(ScreenDotsPerMeter);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
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
