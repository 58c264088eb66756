#include "files/FileNames.h"

#include "model/Cp1252.h"
#include "model/Model.h"

namespace tamb {

namespace {

QString twoDigits(int value)
{
    QString text = QString::number(value);
    if (value >= 0 && value < 10)
        text.prepend(u'0');
    return text;
}

} // namespace

SchoolYears SchoolYearsOf(const QString &klasse, const QDate &today)
{
    int yy = today.year() % 100;
    if (today.month() > 8)
        ++yy;
    // Pupils also write "J1" or "K1": a class that is no number counts as
    // class 11 or below.
    bool isNumber = false;
    const int classNumber = klasse.left(2).toInt(&isNumber);
    if (isNumber && classNumber > 11)
        --yy;
    return {twoDigits(yy), twoDigits(yy + 2)};
}

QString SchoolYearText(const QString &klasse, const QDate &today)
{
    const SchoolYears years = SchoolYearsOf(klasse, today);
    return years.YY + u'-' + years.ZZ;
}

QString DefaultFileName(const Daten &data, const QDate &today)
{
    const QByteArray bytes = toCp1252(data.Name);
    qint64 sum = 0;
    for (qsizetype p = 0; p < bytes.size(); ++p)
        sum += qint64(static_cast<unsigned char>(bytes[p])) * (p + 1);
    const SchoolYears years = SchoolYearsOf(data.Klasse, today);
    return QString::number(sum).rightJustified(6, u'0') + u'-' + years.YY + years.ZZ;
}

SelectionKind KindOfPath(const QString &path)
{
    QString tail = path.right(5);
    const qsizetype dot = tail.indexOf(u'.');
    if (dot < 0)
        return SelectionKind::None;
    tail = tail.mid(dot + 1).toUpper();
    if (tail == QLatin1String("TND"))
        return SelectionKind::WithGrades;
    if (tail == QLatin1String("TMD"))
        return SelectionKind::Selection;
    return SelectionKind::None;
}

} // namespace tamb
