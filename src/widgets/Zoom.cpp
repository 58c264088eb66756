#include "widgets/Zoom.h"

#include "widgets/GridView.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTableView>
#include <QWidget>

namespace tamb {

namespace {

// What the code set (at 100 %) and what the zoom made of it, kept on the
// widget: a difference between the widget and what was shown is the
// code's new setting.
const char *const BaseRect = "zoomBaseRect";
const char *const ShownRect = "zoomShownRect";
const char *const BaseFont = "zoomBaseFont";
const char *const ShownFont = "zoomShownFont";
const char *const BaseSections = "zoomBaseSections";
const char *const ShownSections = "zoomShownSections";
const char *const BaseDefault = "zoomBaseDefault";
const char *const ShownDefault = "zoomShownDefault";
const char *const BaseLine = "zoomBaseLine";
const char *const Active = "zoomActive";

QSize zoomed(const QSize &size, int percent)
{
    return QSize(Zoomed(size.width(), percent), Zoomed(size.height(), percent));
}

QSize unzoomed(const QSize &size, int percent)
{
    return QSize((size.width() * 100 + percent / 2) / percent, (size.height() * 100 + percent / 2) / percent);
}

QFont zoomedFont(QFont font, int percent)
{
    if (font.pixelSize() > 0)
        font.setPixelSize(qMax(1, Zoomed(font.pixelSize(), percent)));
    else
        font.setPointSizeF(font.pointSizeF() * percent / 100.0);
    return font;
}

void zoomFont(QWidget *w, int percent)
{
    if (!w->testAttribute(Qt::WA_SetFont))
        return;
    const QVariant shown = w->property(ShownFont);
    if (!shown.isValid() || shown.value<QFont>() != w->font())
        w->setProperty(BaseFont, w->font());
    const QFont font = zoomedFont(w->property(BaseFont).value<QFont>(), percent);
    if (font != w->font())
        w->setFont(font);
    w->setProperty(ShownFont, w->font());
}

// A label that the code sized to its text (at the zoomed font).
bool sizedToText(const QWidget *w, const QSize &size)
{
    const auto *label = qobject_cast<const QLabel *>(w);
    return label && !label->wordWrap() && size == label->sizeHint();
}

void zoomGeometry(QWidget *w, int percent)
{
    const QRect now = w->geometry();
    const QVariant shown = w->property(ShownRect);
    QRect base = now;
    if (shown.isValid()) {
        base = w->property(BaseRect).toRect();
        const QRect was = shown.toRect();
        if (now.topLeft() != was.topLeft())
            base.moveTopLeft(now.topLeft());
        if (now.size() != was.size())
            base.setSize(sizedToText(w, now.size()) ? unzoomed(now.size(), percent) : now.size());
    }
    w->setProperty(BaseRect, base);
    QRect target(QPoint(Zoomed(base.x(), percent), Zoomed(base.y(), percent)), zoomed(base.size(), percent));
    // Type does not grow quite in step with its size: a text keeps its room.
    if (const auto *label = qobject_cast<const QLabel *>(w); label && !label->wordWrap())
        target.setSize(target.size().expandedTo(label->sizeHint()));
    if (target != now)
        w->setGeometry(target);
    w->setProperty(ShownRect, w->geometry());
}

QList<int> sectionSizes(const QHeaderView *header)
{
    QList<int> sizes;
    for (int i = 0; i < header->count(); ++i)
        sizes.append(header->sectionSize(i));
    return sizes;
}

void zoomSections(QHeaderView *header, int percent)
{
    const QList<int> now = sectionSizes(header);
    QList<int> base = now;
    int baseDefault = header->defaultSectionSize();
    if (header->property(ShownSections).isValid()) {
        const QList<int> shown = header->property(ShownSections).value<QList<int>>();
        base = header->property(BaseSections).value<QList<int>>();
        if (header->defaultSectionSize() != header->property(ShownDefault).toInt())
            baseDefault = header->defaultSectionSize();
        else
            baseDefault = header->property(BaseDefault).toInt();
        base.resize(now.size());
        for (qsizetype i = 0; i < now.size(); ++i) {
            if (i >= shown.size())
                base[i] = now[i] == header->defaultSectionSize() ? baseDefault : now[i];
            else if (now[i] != shown[i])
                base[i] = now[i];
        }
    }
    header->setProperty(BaseSections, QVariant::fromValue(base));
    header->setProperty(BaseDefault, baseDefault);
    const int defaultSize = Zoomed(baseDefault, percent);
    header->setMinimumSectionSize(qMin(header->minimumSectionSize(), defaultSize));
    header->setDefaultSectionSize(defaultSize);
    // The lines between the sections lie where the zoom puts the widgets
    // laid over them: each size is the difference of scaled positions.
    int end = 0;
    for (qsizetype i = 0; i < base.size(); ++i) {
        const int start = Zoomed(end, percent);
        end += base[i];
        const int size = Zoomed(end, percent) - start;
        header->setMinimumSectionSize(qMin(header->minimumSectionSize(), size));
        if (header->sectionSize(int(i)) != size)
            header->resizeSection(int(i), size);
    }
    header->setProperty(ShownSections, QVariant::fromValue(sectionSizes(header)));
    header->setProperty(ShownDefault, header->defaultSectionSize());
}

// Widgets whose inner parts their own code places.
bool placesItsOwnParts(const QWidget *w)
{
    return qobject_cast<const QAbstractScrollArea *>(w) || qobject_cast<const QAbstractButton *>(w)
           || qobject_cast<const QComboBox *>(w) || qobject_cast<const QAbstractSpinBox *>(w)
           || qobject_cast<const QLineEdit *>(w) || qobject_cast<const QMenuBar *>(w)
           || qobject_cast<const QStatusBar *>(w);
}

// Frame lines grow too, so that what lies inside a frame keeps its place
// against what is laid over it.
void zoomFrame(QFrame *frame, int percent)
{
    if (frame->frameShape() == QFrame::NoFrame)
        return;
    if (!frame->property(BaseLine).isValid())
        frame->setProperty(BaseLine, QPoint(frame->lineWidth(), frame->midLineWidth()));
    const QPoint base = frame->property(BaseLine).toPoint();
    frame->setLineWidth(Zoomed(base.x(), percent));
    frame->setMidLineWidth(Zoomed(base.y(), percent));
}

void zoomTree(QWidget *w, int percent, bool placed)
{
    zoomFont(w, percent);
    if (auto *frame = qobject_cast<QFrame *>(w))
        zoomFrame(frame, percent);
    if (placed)
        zoomGeometry(w, percent);
    if (auto *table = qobject_cast<QTableView *>(w)) {
        const QList<int> before = sectionSizes(table->horizontalHeader());
        zoomSections(table->horizontalHeader(), percent);
        zoomSections(table->verticalHeader(), percent);
        if (auto *grid = qobject_cast<GridView *>(w))
            grid->fitCellTexts();
        if (before != sectionSizes(table->horizontalHeader()))
            table->viewport()->update();
    }
    if (placesItsOwnParts(w))
        return;
    const bool byHand = w->layout() == nullptr;
    for (QObject *child : w->children())
        if (auto *cw = qobject_cast<QWidget *>(child); cw && !cw->isWindow())
            zoomTree(cw, percent, byHand);
}

} // namespace

const QList<int> &ZoomSteps()
{
    static const QList<int> steps = {80, 90, 100, 110, 125, 150, 175, 200};
    return steps;
}

int NextZoom(int percent, int direction)
{
    const QList<int> &steps = ZoomSteps();
    if (direction > 0) {
        for (int step : steps)
            if (step > percent)
                return step;
        return steps.constLast();
    }
    for (auto it = steps.crbegin(); it != steps.crend(); ++it)
        if (*it < percent)
            return *it;
    return steps.constFirst();
}

void ApplyZoom(QWidget *root, int percent)
{
    // Nothing to do until the window is first zoomed.
    if (percent == NormalZoom && !root->property(Active).toBool())
        return;
    root->setProperty(Active, true);
    zoomTree(root, percent, false);
}

QRect UnzoomedGeometry(const QWidget *widget)
{
    const QVariant base = widget->property(BaseRect);
    return base.isValid() && widget->property(ShownRect).toRect() == widget->geometry() ? base.toRect()
                                                                                        : widget->geometry();
}

} // namespace tamb
