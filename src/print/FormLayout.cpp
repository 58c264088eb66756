#include "print/FormLayout.h"

#include "files/Clock.h"
#include "files/FileNames.h"

#include "print/Canvas.h"

#include <algorithm>
#include <cmath>

namespace tamb {

namespace {

// Millimetre positions like 5.9 x 6 must not lose a pixel to rounding noise.
constexpr double Epsilon = 1e-7;

// Font sizes in points: school name, title and table, personal data values,
// small captions, footer.
enum class Font { S1, S2, S3, S4, S5 };

int pointSize(Font font, bool small)
{
    static constexpr int Small[] = {11, 7, 8, 3, 3};
    static constexpr int Normal[] = {14, 10, 12, 8, 6};
    const int index = static_cast<int>(font);
    return small ? Small[index] : Normal[index];
}

class FormPainter
{
public:
    FormPainter(Canvas &canvas, int ux, int uy, int thick, int pageWidth, int pageHeight,
                bool smallFonts)
        : m_canvas(canvas),
          m_ux(ux),
          m_uy(uy),
          m_thick(thick),
          m_pageWidth(pageWidth),
          m_pageHeight(pageHeight),
          m_smallFonts(smallFonts)
    {
    }

    // Millimetres to pixels, truncated.
    int x(double mm) const { return static_cast<int>(mm * m_ux + Epsilon); }
    int y(double mm) const { return static_cast<int>(mm * m_uy + Epsilon); }

    int pageWidth() const { return m_pageWidth; }

    void font(Font f) { m_canvas.setFontSize(pointSize(f, m_smallFonts)); }
    void text(int left, int top, const QString &s) { m_canvas.text(left, top, s); }
    int width(const QString &s) { return m_canvas.textExtent(s).width(); }
    int height(const QString &s) { return m_canvas.textExtent(s).height(); }

    // Lines never run beyond the page; a thick one grows below or right of
    // its position.
    void hLine(int left, int top, double mm, bool thick)
    {
        const int right = std::min(left + x(mm), m_pageWidth);
        if (right <= left)
            return;
        if (thick)
            m_canvas.fillRect(left, top, right, top + m_thick);
        else
            m_canvas.line(left, top, right, top);
    }
    void vLine(int left, int top, double mm, bool thick)
    {
        const int bottom = std::min(top + y(mm), m_pageHeight);
        if (bottom <= top)
            return;
        if (thick)
            m_canvas.fillRect(left, top, left + m_thick, bottom);
        else
            m_canvas.line(left, top, left, bottom);
    }
    void thickH(int left, int top, double mm) { hLine(left, top, mm, true); }
    void thinH(int left, int top, double mm) { hLine(left, top, mm, false); }
    void thickV(int left, int top, double mm) { vLine(left, top, mm, true); }
    void thinV(int left, int top, double mm) { vLine(left, top, mm, false); }
    void wedgeLine(int x1, int y1, int x2, int y2) { m_canvas.line(x1, y1, x2, y2); }

private:
    Canvas &m_canvas;
    int m_ux;
    int m_uy;
    int m_thick;
    int m_pageWidth;
    int m_pageHeight;
    bool m_smallFonts;
};

// Catalog reads that stay inside the arrays whatever the row count.
bool allowedAt(const Model &m, int col, int row)
{
    return col >= 0 && col < 4 && row >= 0 && row < SubjectCount && m.Allowed[col][row];
}

QString subjectTextAt(const Model &m, int kind, int row)
{
    return row >= 0 && row < SubjectCount ? m.SubjectText[kind][row] : QString();
}

QString taskFieldText(quint8 field)
{
    switch (field) {
    case 1:
        return QStringLiteral("sprachlich-literarisch-künstlerisch");
    case 2:
        return QStringLiteral("gesellschaftswissenschaftlich");
    case 3:
        return QStringLiteral("mathematisch-naturwissenschaftlich");
    default:
        return QStringLiteral("... noch nicht festgelegt");
    }
}

} // namespace

FormPage FormPage::printer(int dpiY, int pageWidth, int pageHeight)
{
    FormPage page;
    page.target = FormTarget::Printer;
    page.uy = FactorForDpi(dpiY);
    page.pageWidth = pageWidth;
    page.pageHeight = pageHeight;
    return page;
}

int FactorForDpi(int dpi)
{
    return static_cast<int>(std::lround(dpi / 25.4));
}

void DrawForm(Canvas &canvas, const Model &m, int u, int rows, const Daten &personalData,
              const FormPage &page)
{
    const bool printer = page.target == FormTarget::Printer;
    const int ux = std::max(1, u);
    const int uy = page.uy > 0 ? page.uy : ux;
    const int thick = std::max(1, printer ? ux / 3 : ux / 2);
    const int pageWidth = page.pageWidth > 0 ? page.pageWidth : 210 * ux;
    const int pageHeight = page.pageHeight > 0 ? page.pageHeight : 297 * uy;
    FormPainter p(canvas, ux, uy, thick, pageWidth, pageHeight, !printer && ux == 3);
    const int n = rows;
    const QDate today = page.today.isValid() ? page.today : Today();

    // Heading.
    p.font(Font::S1);
    const int a1 = p.height(QStringLiteral("A"));
    p.text(p.x(18), 0, m.SchoolName);
    p.font(Font::S2);
    const int b2 = p.height(QStringLiteral("B"));
    p.text(p.x(130), a1 - b2, QStringLiteral("BELEGPLAN-WAHLBOGEN"));
    if (!page.wahlart.isEmpty())
        p.text(p.x(140), a1, page.wahlart);
    const QString schoolYear = SchoolYearText(personalData.Klasse, today);
    if (printer)
        p.text(pageWidth - 3 * p.width(schoolYear), a1, schoolYear);
    else
        p.text(p.x(200), a1, schoolYear);

    // Examination box; placeholders of unwritten core slots leave no gap.
    p.text(p.x(19), p.y(15), QStringLiteral("Prüfungsfächer"));
    p.text(p.x(20), p.y(29.5), QStringLiteral("s"));
    p.text(p.x(20), p.y(45.4), QStringLiteral("m"));
    int drawn = 0;
    for (int k = 1; k <= 6; ++k) {
        const QString &subject = m.PfaecherSgr.cell(4, k);
        if (subject.size() >= 2 && subject.at(subject.size() - 2) == QLatin1Char('-'))
            continue;
        ++drawn;
        p.text(p.x(26), p.y(10 + 5.9 * (drawn + 1)), subject);
    }
    p.thickH(p.x(18), p.y(15), 90);
    p.thickH(p.x(18), p.y(20), 90);
    for (int i = 1; i <= 3; ++i)
        p.thinH(p.x(25), p.y(15) + p.y(5.9 * (i + 1)), 83);
    p.thickH(p.x(18), p.y(44) - 1, 90);
    p.thickH(p.x(18), p.y(50) - 1, 90);
    p.thickV(p.x(18), p.y(15), 35);
    p.thickV(p.x(108), p.y(15), 35.4);
    p.thickV(p.x(25), p.y(20), 30);

    // Personal data box.
    const double boxWidth = !printer && ux == 3 ? 85 : 80;
    p.text(p.x(116), p.y(15), QStringLiteral("Name, Vorname"));
    p.text(p.x(116), p.y(30), QStringLiteral("Geburtstag"));
    p.text(p.x(140), p.y(30), QStringLiteral("Stammklasse"));
    p.text(p.x(164), p.y(33), QStringLiteral("Bekenntnis:"));
    p.font(Font::S4);
    p.text(p.x(163), p.y(40), QStringLiteral("Unterricht in Klasse 11:"));
    p.font(Font::S3);
    p.text(p.x(116), p.y(22), personalData.Name);
    p.text(p.x(116), p.y(40), personalData.Geburtstag);
    p.text(p.x(144), p.y(40), personalData.Klasse);
    p.text(p.x(184), p.y(33), personalData.Bekenntnis);
    if (personalData.ReletU == 0)
        p.text(p.x(168), p.y(45), QStringLiteral("Religion"));
    else if (personalData.ReletU == 1)
        p.text(p.x(168), p.y(45), QStringLiteral("Ethik"));
    p.font(Font::S2);
    for (const double top : {15.0, 20.0, 30.0})
        p.thickH(p.x(115), p.y(top), boxWidth);
    p.thinH(p.x(115), p.y(35), 47);
    p.thinH(p.x(162), p.y(40), boxWidth - 47);
    p.thickH(p.x(115), p.y(50), boxWidth);
    p.thickV(p.x(115) + p.x(boxWidth), p.y(15), 35.4);
    p.thickV(p.x(115), p.y(15), 35);
    p.thickV(p.x(139), p.y(30), 20);
    p.thickV(p.x(162), p.y(30), 20);

    // Course table: the widest subject name sets the first column.
    int w = 1;
    for (int r = 0; r < n; ++r)
        w = std::max(w, p.width(subjectTextAt(m, 0, r)));
    const int wmm = w / ux;
    const int left = p.x(18);
    const int textLeft = p.x(19);
    const int y0 = p.y(printer ? 60 : 70);
    const auto rowTop = [&](int r) { return y0 + p.y(6.0 * r); };
    const auto cellLeft = [&](int c) { return textLeft + w + p.x(7.0 * c - 3.5); };
    const auto columnLine = [&](int c) { return left + w + p.x(7.0 * (c - 1) + 2); };

    for (int r = 0; r <= n; ++r) {
        const int top = rowTop(r);
        p.text(textLeft, top, m.FaecherSgr.cell(0, r));
        for (int c = 1; c <= 3; ++c) {
            // Marks that are impossible for a subject (" ¤") stay off the page.
            if (r == 0 || allowedAt(m, c, r))
                p.text(cellLeft(c), top, m.FaecherSgr.cell(c, r));
        }
        for (int c = 4; c <= 8; ++c)
            p.text(cellLeft(c), top, m.FaecherSgr.cell(c, r));
    }
    for (int r = 0; r <= n + 1; ++r) {
        // Thick lines frame the header and separate the subject groups.
        bool thickLine = r == 0 || r == 1 || r == n || r == n + 1;
        if (r >= 2 && r <= n - 3 && subjectTextAt(m, 2, r) != subjectTextAt(m, 2, r - 1))
            thickLine = true;
        p.hLine(left, rowTop(r) - p.y(1), wmm + 66, thickLine);
    }
    const int tableTop = y0 - p.y(1);
    p.thickV(left, tableTop, 6.0 * (n + 1));
    for (int c = 1; c <= 3; ++c)
        p.vLine(columnLine(c), tableTop, 6.0 * n, c == 1);
    for (int c = 4; c <= 8; ++c)
        p.vLine(columnLine(c), tableTop, 6.0 * (n + 1), c == 4 || c == 8);
    p.thickV(left + w + p.x(65), tableTop, 6.0 * (n + 1));

    // Weekly hours and Block I count below the table.
    const int y1 = y0 + p.y(6.0 * (n + 1));
    p.thickH(left, y1, wmm + 3.1 + 49);
    p.text(textLeft, y1 + p.y(1), m.WostSgr.cell(0, 0));
    for (int k = 1; k <= 4; ++k)
        p.text(textLeft + w + p.x(7.0 * (k + 2) + 2), y1 + p.y(1), m.WostSgr.cell(k, 0));
    p.thickH(left, y1 + p.y(6), wmm + 51);
    p.thickV(left, y1, 6.5);
    p.thickV(left + w + p.x(23), y1 - p.y(1), 7);
    for (int i = 1; i <= 3; ++i)
        p.thinV(left + w + p.x(7.0 * (i + 3) + 2), y1, 6);
    p.thickV(left + w + p.x(51), y1 - p.y(1), 14);
    p.thickH(left, y1 + p.y(7), wmm + 3.2 + 63);
    p.text(textLeft + p.x(5), y1 + p.y(8), m.KurszSgr.cell(0, 0));
    p.text(textLeft + w + p.x(51) + 3, y1 + p.y(8), m.KurszSgr.cell(1, 0));
    p.thickH(left, y1 + p.y(13), wmm + 3.2 + 63);
    p.thickV(left, y1 + p.y(7), 6);
    p.thickV(left + w + p.x(65), y1 - p.y(1), 14);

    // Task field of the special learning achievement, with a wedge pointing
    // at its row.
    if (m.BLLRow >= 0 && m.BLLRow < SubjectCount && m.Choice[Taken][m.BLLRow]) {
        const int fieldLeft = left + w + p.x(91);
        const int captionTop = y0 + p.y((m.BLLRow - 0.25) * 6);
        const int fieldTop = y0 + p.y((m.BLLRow + 0.45) * 6);
        const int wedgeBottom = y0 + p.y((m.BLLRow + 1.2) * 6);
        p.text(fieldLeft, captionTop, QStringLiteral("Aufgabenfeld:"));
        p.text(fieldLeft, fieldTop, taskFieldText(m.BLLField));
        const int tipX = left + w + p.x(86);
        for (int i = 1; i <= 5; ++i) {
            p.wedgeLine(fieldLeft - 3, captionTop + 2 * i, tipX, fieldTop);
            p.wedgeLine(fieldLeft - 3, wedgeBottom - 2 * i, tipX, fieldTop);
        }
    }

    // Legend of the Block I marks.
    const int legendLeft = left + w + p.x(70);
    const int legendTop = p.y(200);
    p.font(Font::S4);
    const int a = p.height(QStringLiteral("A"));
    p.font(Font::S2);
    const int tilde = p.width(QStringLiteral("~"));
    const int y2 = legendTop + static_cast<int>(2.5 * b2 + Epsilon);
    p.text(legendLeft, legendTop + b2, QStringLiteral("Zeichenerklärung:"));
    p.text(legendLeft, y2, QStringLiteral("Im Block I der Gesamtqualifikation sind"));
    struct LegendLine
    {
        double k;
        const char16_t *symbol; // null: the text starts at the left edge
        const char16_t *text;
        Font font;
    };
    const LegendLine lines[] = {
        {1.5, u"*", u" ... anrechnungspflichtige Kurse", Font::S4},
        {3, u"°", u" ... in Bildender Kunst oder in Musik wahlweise zwei Kurse", Font::S4},
        {4, nullptr, u"      (aus einem der beiden Fächer)  ...", Font::S4},
        {5.5, u"^",
         printer ? u" ...  die Kurse aus zwei (versch.) Naturwissenschaften  ..."
                 : u" ...  die Kurse aus zwei (verschiedenen) Naturwissenschaften  ...",
         Font::S4},
        {7, u"~",
         printer ? u" ... die Kurse aus einer der beiden Naturwissenschaften ..."
                 : u"... die Kurse aus einer der beiden Naturwissenschaften ...",
         Font::S4},
        {8.5, nullptr, u"4(2*) von den vier möglichen Kursen zwei ...", Font::S4},
        {10, nullptr, printer ? u"        ... anrechnungspflichtig" : u"...anrechnungspflichtig",
         Font::S2},
    };
    for (const LegendLine &line : lines) {
        const int top = y2 + static_cast<int>(line.k * a + Epsilon);
        if (line.symbol) {
            p.font(Font::S2);
            p.text(legendLeft, top, QString::fromUtf16(line.symbol));
            p.font(line.font);
            p.text(legendLeft + tilde, top, QString::fromUtf16(line.text));
        } else {
            p.font(line.font);
            p.text(legendLeft, top, QString::fromUtf16(line.text));
        }
    }

    // Signatures.
    const int signTop = y0 + p.y(6.0 * (n + 3)) + p.y(2);
    p.font(Font::S2);
    p.text(textLeft, signTop, QStringLiteral("Unterschriften:"));
    p.font(Font::S3);
    p.text(textLeft, signTop + p.y(6), today.toString(QStringLiteral("dd.MM.yyyy")));
    p.thickH(p.x(42), signTop + p.y(12), 45);
    p.thickH(p.x(90), signTop + p.y(12), 45);
    p.font(Font::S4);
    p.text(p.x(43), signTop + p.y(12.5), QStringLiteral("Schüler(in)"));
    p.text(p.x(91), signTop + p.y(12.5), QStringLiteral("ggf. Erziehungsberechtigte(r)"));

    // Footer.
    p.font(Font::S5);
    const QString footer = QStringLiteral("TAMBERON 6.0");
    const QSize footerSize = canvas.textExtent(footer);
    p.text(p.x(210) - 2 * footerSize.width(), p.y(297) - 5 * footerSize.height(), footer);
}

} // namespace tamb
