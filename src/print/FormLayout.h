#pragma once

#include "model/Model.h"

#include <QDate>
#include <QString>

namespace tamb {

class Canvas;

// Where the form goes: the preview image or a printer page.
enum class FormTarget { Preview, Printer };

// Everything about the page that does not come from the model.
struct FormPage
{
    FormTarget target = FormTarget::Preview;
    // Vertical factor; 0 means the same as the horizontal one.
    int uy = 0;
    // Device size of the page in pixels; 0 means 210u x 297u.
    int pageWidth = 0;
    int pageHeight = 0;
    // Selected item of `WahlartRGR`; empty when none is selected.
    QString wahlart;
    // Today's date; invalid means Today() of the program's clock.
    QDate today;

    // A printer page; its horizontal factor is DrawForm's u.
    static FormPage printer(int dpiY, int pageWidth, int pageHeight);
};

// Pixels per millimetre for a resolution in dots per inch.
int FactorForDpi(int dpi);

// Draws the one-page form "BELEGPLAN-WAHLBOGEN" from the model at the
// factor u (pixels per millimetre; on a printer the horizontal one), with
// the course table rows 0..rows.
void DrawForm(Canvas &canvas, const Model &m, int u, int rows, const Daten &personalData,
              const FormPage &page);

} // namespace tamb
