#pragma once

#include <QDate>
#include <QString>

namespace tamb {

struct Daten;

// The two years of the Kursstufe as two-digit texts, from today's date and
// the class: "10" and "12" for a pupil of class 11 in the school year 2009/10.
struct SchoolYears
{
    QString YY;
    QString ZZ;
};
SchoolYears SchoolYearsOf(const QString &klasse, const QDate &today);

// "YY-ZZ" as printed in the heading of the form.
QString SchoolYearText(const QString &klasse, const QDate &today);

// Proposed name of a saved file, without extension: the weighted byte sum of
// the name (six digits at least) and the school years, e.g. "004152-1012".
QString DefaultFileName(const Daten &data, const QDate &today);

// Which kind of file a path names, by its extension.
enum class SelectionKind { None, Selection, WithGrades };
SelectionKind KindOfPath(const QString &path);

} // namespace tamb
