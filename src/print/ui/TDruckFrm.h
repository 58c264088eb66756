#pragma once

#include "model/Model.h"

#include <QDate>
#include <QDialog>
#include <QImage>

class QScrollArea;

namespace tamb {

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

// "Druckvorschau": the printed form at 4 or 3 pixels per millimetre; a click
// on the page switches between the two sizes.
class TDruckFrm : public QDialog
{
    Q_OBJECT
public:
    explicit TDruckFrm(const Model &model, QWidget *parent = nullptr);

    int PreviewFactor() const { return m_previewFactor; }
    PageImage *seite() const { return m_seite; }

    // Selected item of `WahlartRGR` for the heading; empty for none.
    void setWahlart(const QString &text) { m_wahlart = text; }
    const QString &wahlart() const { return m_wahlart; }
    // The date printed on the form; invalid: today.
    void setToday(const QDate &date) { m_today = date; }

    void SeiteClick();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    void drawPage();
    void erasePage();

    const Model &m_model;
    QScrollArea *m_scroll = nullptr;
    QWidget *m_sheet = nullptr;
    PageImage *m_seite = nullptr;
    int m_previewFactor = 4;
    QString m_wahlart;
    QDate m_today;
};

} // namespace tamb
