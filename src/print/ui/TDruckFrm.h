#pragma once

#include "model/Model.h"

#include <QDate>
#include <QDialog>
#include <QImage>

class QAction;
class QLabel;
class QScrollArea;

namespace tamb {

class Interaction;

// The page image `Seite`: shows the drawn form, a click on it is reported.
class PageImage : public QWidget
{
    Q_OBJECT
public:
    explicit PageImage(QWidget *parent = nullptr);

    const QImage &image() const { return m_image; }
    QImage &image() { return m_image; }
    // Takes a new image and sizes the widget to it.
    void setImage(const QImage &image);

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_image;
    bool m_pressed = false;
};

// "Druckvorschau": the printed form, at first at 4 pixels per millimetre; a
// click on the page switches between 4 and 3. A tool bar prints, saves the
// form as a PDF file and zooms.
class TDruckFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TDruckFrm(const Model &model, QWidget *parent = nullptr);

    // Pixels per millimetre, rounded.
    int PreviewFactor() const { return qRound(m_scale); }
    qreal scale() const { return m_scale; }
    PageImage *seite() const { return m_seite; }
    // "Als PDF speichern" asks for the file through `ui`; without one it is not offered.
    void setInteraction(Interaction *ui);
    // The line under the page ("Gespeichert: ...").
    QLabel *savedLine() const { return m_savedLbl; }

    // Selected item of `WahlartRGR` for the heading; empty for none.
    void setWahlart(const QString &text) { m_wahlart = text; }
    const QString &wahlart() const { return m_wahlart; }
    // The date printed on the form; invalid: today.
    void setToday(const QDate &date) { m_today = date; }

    void SeiteClick();
    // The tool bar's commands.
    void zoomBy(int direction);
    void wholePage();
    void realSize();
    void savePdf();

signals:
    // "Drucken ..." in the tool bar; the receiver asks for the printer.
    void printRequested();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void drawPage();
    void erasePage();
    void setScale(qreal pixelsPerMm);

    const Model &m_model;
    Interaction *m_ui = nullptr;
    QScrollArea *m_scroll = nullptr;
    QWidget *m_sheet = nullptr;
    PageImage *m_seite = nullptr;
    QAction *m_pdfAction = nullptr;
    QLabel *m_savedLbl = nullptr;
    qreal m_scale = 4;
    QString m_wahlart;
    QDate m_today;
};

} // namespace tamb
