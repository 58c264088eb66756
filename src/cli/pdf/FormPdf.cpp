// The printed form as a PDF file: the part of the checker that needs QtGui.
#include "cli/PdfForm.h"

#include "print/ui/FormPdf.h"

namespace tamb::check {

WriteOutcome writeFormPdf(const Model &m, const QString &path, const QDate &today)
{
    return WriteFormPdf(path, m, m.GridRows, m.PersonalData, QString(), today);
}

} // namespace tamb::check
