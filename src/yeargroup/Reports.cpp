#include "yeargroup/Reports.h"

#include "grades/Grades.h"
#include "yeargroup/JsonWriter.h"
#include "rules/BlockIPreview.h"

namespace tamb::check {

namespace {

const QString Empty = QStringLiteral("-");
constexpr int LabelWidth = 21;

// "Label:   value" lines; further lines of a value start under the first.
class Lines
{
public:
    void add(const QString &label, const QString &value)
    {
        const QString head = label.isEmpty() ? QString() : label + u':';
        m_text += head.leftJustified(LabelWidth, u' ') + value + u'\n';
    }
    void add(const QString &label, const QStringList &values)
    {
        if (values.isEmpty()) {
            add(label, Empty);
            return;
        }
        add(label, values.first());
        for (qsizetype i = 1; i < values.size(); ++i)
            m_text += QString(LabelWidth, u' ') + values[i] + u'\n';
    }
    QString text() const { return m_text + u'\n'; }

private:
    QString m_text;
};

QStringList trimmedLines(const QString &text)
{
    QStringList lines = textLines(text);
    for (QString &line : lines)
        line = line.trimmed();
    return lines;
}

QString listOrEmpty(const QStringList &names)
{
    return names.isEmpty() ? Empty : names.join(QLatin1String(", "));
}

QString countableText(const Model &m, int faultMask)
{
    const CourseCount courses = CountCourses(m, SubjectCount);
    QString text = QString::number(courses.total);
    if (faultMask == 0)
        text += QStringLiteral(" (davon verpflichtend %1)").arg(courses.compulsory);
    return text;
}

void addGrades(Lines &out, const GradesSummary &s)
{
    out.add(QStringLiteral("Block I"),
            QStringLiteral("%1 Punkte (%2)")
                .arg(s.blockI)
                .arg(trimmedLines(s.blockICaption).join(u' ')));
    if (!s.under5.isEmpty())
        out.add(QString(), s.under5);
    if (s.nonAdmission) {
        out.add(QStringLiteral("Nichtzulassung"), trimmedLines(s.nonAdmission->text));
        return;
    }
    out.add(QStringLiteral("Block II"), QStringLiteral("%1 Punkte").arg(s.blockII.value_or(0)));
    if (s.total)
        out.add(QStringLiteral("Gesamtpunktzahl"), QString::number(*s.total));
    if (s.average)
        out.add(QStringLiteral("Durchschnittsnote"), *s.average);
    if (s.verdict)
        out.add(QStringLiteral("Ergebnis"), trimmedLines(*s.verdict));
}

QString oralSubject(const Model &m)
{
    const QStringList oral = subjectsWith(m, Oral);
    return oral.isEmpty() ? QString() : oral.join(QLatin1String(", "));
}

} // namespace

QString textReport(const FileCheck &c, const PdfResult &pdf)
{
    Lines out;
    out.add(QStringLiteral("Datei"), c.file);
    if (!c.read()) {
        out.add(QStringLiteral("Fehler"), trimmedLines(*c.error));
        return out.text();
    }
    const Model &m = c.model;
    const Daten &p = m.PersonalData;
    out.add(QStringLiteral("Schüler(in)"), p.Name.isEmpty() ? Empty : p.Name);
    out.add(QStringLiteral("Klasse"), p.Klasse.isEmpty() ? Empty : p.Klasse);
    out.add(QStringLiteral("Schule"), m.SchoolName);
    for (const QString &note : c.notes)
        out.add(QStringLiteral("Hinweis"), trimmedLines(note));

    if (c.complete) {
        out.add(QStringLiteral("Wahl"), QStringLiteral("vollständig"));
    } else {
        QStringList lines = textLines(m.view.messages);
        lines.prepend(c.faultMask == 0
                          ? QStringLiteral("unvollständig")
                          : QStringLiteral("unvollständig (Fehlermaske %1)").arg(c.faultMask));
        out.add(QStringLiteral("Wahl"), lines);
    }

    const std::array<int, 4> hours = weeklyHours(m);
    out.add(QStringLiteral("Wochenstunden"),
            QStringLiteral("%1 / %2 / %3 / %4 (zusammen %5)")
                .arg(hours[0])
                .arg(hours[1])
                .arg(hours[2])
                .arg(hours[3])
                .arg(hours[0] + hours[1] + hours[2] + hours[3]));
    out.add(QStringLiteral("Anrechenbare Kurse"), countableText(m, c.faultMask));
    out.add(QStringLiteral("Kernfächer"), listOrEmpty(subjectsWith(m, Core)));
    out.add(QStringLiteral("Schriftlich"), listOrEmpty(subjectsWith(m, Written)));
    out.add(QStringLiteral("Mündlich"), listOrEmpty(subjectsWith(m, Oral)));

    if (c.grades)
        addGrades(out, summarize(*c.grades));
    else if (c.kind == SelectionKind::WithGrades)
        out.add(QStringLiteral("Noten"), QStringLiteral("nicht berechnet, die Wahl ist unvollständig"));
    if (c.target)
        out.add(QStringLiteral("Zielnote"), TargetSentence(*c.target));

    if (pdf && c.complete)
        out.add(QStringLiteral("Formular"),
                pdf->isEmpty() ? QStringLiteral("konnte nicht geschrieben werden") : *pdf);
    return out.text();
}

QString textSummary(int files, int complete, int incomplete, int unreadable)
{
    return QStringLiteral("%1 %2: %3 vollständig, %4 unvollständig, %5 nicht lesbar\n")
        .arg(files)
        .arg(files == 1 ? QStringLiteral("Datei") : QStringLiteral("Dateien"))
        .arg(complete)
        .arg(incomplete)
        .arg(unreadable);
}

QString statisticsText(const Statistics &stats)
{
    const QList<Statistics::Line> lines = stats.lines();
    qsizetype width = 20;
    for (const Statistics::Line &line : lines)
        width = qMax(width, line.subject.size() + 2);

    QString out = QStringLiteral("Belegung aus %1 gelesenen %2\n")
                      .arg(stats.pupils())
                      .arg(stats.pupils() == 1 ? QStringLiteral("Datei") : QStringLiteral("Dateien"));
    out += QStringLiteral("Fach").leftJustified(width);
    for (const char *head : {"1. Hj", "2. Hj", "3. Hj", "4. Hj", "K", "s", "m"})
        out += QString::fromLatin1(head).rightJustified(6);
    out += u'\n';
    for (const Statistics::Line &line : lines) {
        out += line.subject.leftJustified(width);
        for (int n : line.halfYears)
            out += QString::number(n).rightJustified(6);
        for (int n : {line.core, line.written, line.oral})
            out += QString::number(n).rightJustified(6);
        out += u'\n';
    }
    return out;
}

namespace {

void writeGrid(JsonWriter &json, const TextGrid &grid, int rows, int cols)
{
    json.beginArray();
    for (int r = 0; r < rows; ++r) {
        const QString *cells = grid.rowCells(r);
        if (cells && grid.colCount() >= cols) {
            json.texts(cells, cols);
            continue;
        }
        json.beginArray();
        for (int col = 0; col < cols; ++col)
            json.value(grid.cell(col, r));
        json.endArray();
    }
    json.endArray();
}

void writeOptional(JsonWriter &json, const std::optional<int> &number)
{
    if (number)
        json.value(*number);
    else
        json.null();
}

void writeOptional(JsonWriter &json, const std::optional<QString> &text)
{
    if (text)
        json.value(*text);
    else
        json.null();
}

void writeGrades(JsonWriter &json, const GradesView &g)
{
    const GradesSummary s = summarize(g);
    json.beginObject();
    json.key(QLatin1String("courseGrades"));
    writeGrid(json, g.NFaecherSgr, SubjectCount, 7);
    json.key(QLatin1String("examGrades"));
    writeGrid(json, g.NPfaecherSgr, 6, 4);
    json.key(QLatin1String("blockI")).value(s.blockI);
    json.key(QLatin1String("blockICaption")).value(s.blockICaption);
    json.key(QLatin1String("under5")).value(s.under5);
    json.key(QLatin1String("admissionFlags")).value(int(s.admissionFlags));
    json.key(QLatin1String("nonAdmission"));
    if (s.nonAdmission) {
        json.beginObject();
        json.key(QLatin1String("caption")).value(s.nonAdmission->caption);
        json.key(QLatin1String("text")).value(s.nonAdmission->text);
        json.endObject();
    } else {
        json.null();
    }
    json.key(QLatin1String("blockII"));
    writeOptional(json, s.blockII);
    json.key(QLatin1String("total"));
    writeOptional(json, s.total);
    json.key(QLatin1String("average"));
    writeOptional(json, s.average);
    json.key(QLatin1String("verdict"));
    writeOptional(json, s.verdict);
    json.endObject();
}

} // namespace

QByteArray jsonObject(const FileCheck &c, const PdfResult &pdf)
{
    JsonWriter json;
    json.beginObject();
    json.key(QLatin1String("file")).value(c.file);
    json.key(QLatin1String("kind"));
    switch (c.kind) {
    case SelectionKind::Selection:
        json.value(QStringLiteral("tmd"));
        break;
    case SelectionKind::WithGrades:
        json.value(QStringLiteral("tnd"));
        break;
    case SelectionKind::None:
        json.null();
        break;
    }
    json.key(QLatin1String("error"));
    writeOptional(json, c.error);
    if (c.read()) {
        const Model &m = c.model;
        json.key(QLatin1String("notes")).beginArray();
        for (const QString &note : c.notes)
            json.value(note);
        json.endArray();
        json.key(QLatin1String("school")).value(m.SchoolName);

        const Daten &p = m.PersonalData;
        json.key(QLatin1String("pupil")).beginObject();
        json.key(QLatin1String("name")).value(p.Name);
        json.key(QLatin1String("birthday")).value(p.Geburtstag);
        json.key(QLatin1String("class")).value(p.Klasse);
        json.key(QLatin1String("denomination")).value(p.Bekenntnis);
        json.key(QLatin1String("religionOrEthics")).value(int(p.ReletU));
        json.endObject();

        json.key(QLatin1String("faultMask")).value(c.faultMask);
        json.key(QLatin1String("messages")).value(m.view.messages);
        json.key(QLatin1String("weeklyHours")).beginArray();
        for (int h : weeklyHours(m))
            json.value(h);
        json.endArray();
        json.key(QLatin1String("courseTable"));
        writeGrid(json, m.FaecherSgr, SubjectCount + 1, 9);
        json.key(QLatin1String("examTable"));
        writeGrid(json, m.PfaecherSgr, 7, 6);
        json.key(QLatin1String("blockICount")).beginArray();
        json.value(m.KurszSgr.cell(0, 0)).value(m.KurszSgr.cell(1, 0));
        json.endArray();
        json.key(QLatin1String("complete")).value(c.complete);
        json.key(QLatin1String("grades"));
        if (c.grades)
            writeGrades(json, *c.grades);
        else
            json.null();
        if (c.target) {
            json.key(QLatin1String("zielnote")).beginObject();
            json.key(QLatin1String("note")).value(AverageGradeText(c.target->target));
            json.key(QLatin1String("fehlend")).value(c.target->missing);
            json.key(QLatin1String("punkte"));
            writeOptional(json, c.target->points);
            json.endObject();
        }
    }
    if (pdf) {
        json.key(QLatin1String("pdf"));
        if (pdf->isEmpty())
            json.null();
        else
            json.value(*pdf);
    }
    json.endObject();
    return json.take();
}

QByteArray statisticsJson(const Statistics &stats)
{
    JsonWriter json;
    json.beginObject();
    json.key(QLatin1String("pupils")).value(stats.pupils());
    json.key(QLatin1String("subjects")).beginArray();
    for (const Statistics::Line &line : stats.lines()) {
        json.beginObject();
        json.key(QLatin1String("subject")).value(line.subject);
        json.key(QLatin1String("halfYears")).beginArray();
        for (int n : line.halfYears)
            json.value(n);
        json.endArray();
        json.key(QLatin1String("core")).value(line.core);
        json.key(QLatin1String("written")).value(line.written);
        json.key(QLatin1String("oral")).value(line.oral);
        json.endObject();
    }
    json.endArray();
    json.endObject();
    return json.take();
}

QString csvField(const QString &text)
{
    if (!text.contains(u';') && !text.contains(u'"') && !text.contains(u'\n')
        && !text.contains(u'\r'))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return u'"' + quoted + u'"';
}

namespace {

QString csvJoin(const QStringList &fields)
{
    QStringList quoted;
    quoted.reserve(fields.size());
    for (const QString &field : fields)
        quoted.append(csvField(field));
    return quoted.join(u';') + u'\n';
}

} // namespace

QString csvHeader()
{
    return csvJoin({QStringLiteral("Datei"), QStringLiteral("Name"), QStringLiteral("Klasse"),
                    QStringLiteral("vollständig"), QStringLiteral("Fehlermaske"),
                    QStringLiteral("Kernfächer"), QStringLiteral("schriftliche Prüfungsfächer"),
                    QStringLiteral("mündliches Prüfungsfach"), QStringLiteral("Wochenstunden 1"),
                    QStringLiteral("Wochenstunden 2"), QStringLiteral("Wochenstunden 3"),
                    QStringLiteral("Wochenstunden 4"), QStringLiteral("anrechenbare Kurse"),
                    QStringLiteral("Block I"), QStringLiteral("Block II"),
                    QStringLiteral("Gesamtpunktzahl"), QStringLiteral("Durchschnittsnote"),
                    QStringLiteral("Fehler")});
}

QString csvLine(const FileCheck &c)
{
    QStringList fields(18);
    fields[0] = c.file;
    if (!c.read()) {
        fields[17] = textLines(*c.error).join(u' ');
        return csvJoin(fields);
    }
    const Model &m = c.model;
    fields[1] = m.PersonalData.Name;
    fields[2] = m.PersonalData.Klasse;
    fields[3] = c.complete ? QStringLiteral("ja") : QStringLiteral("nein");
    fields[4] = QString::number(c.faultMask);
    fields[5] = subjectsWith(m, Core).join(QLatin1String(", "));
    fields[6] = subjectsWith(m, Written).join(QLatin1String(", "));
    fields[7] = oralSubject(m);
    const std::array<int, 4> hours = weeklyHours(m);
    for (int h = 0; h < 4; ++h)
        fields[8 + h] = QString::number(hours[h]);
    fields[12] = QString::number(CountCourses(m, SubjectCount).total);
    if (c.grades) {
        const GradesSummary s = summarize(*c.grades);
        fields[13] = QString::number(s.blockI);
        if (s.blockII)
            fields[14] = QString::number(*s.blockII);
        if (s.total)
            fields[15] = QString::number(*s.total);
        if (s.average)
            fields[16] = *s.average;
    }
    return csvJoin(fields);
}

QString statisticsCsv(const Statistics &stats)
{
    QString out = csvJoin({QStringLiteral("Fach"), QStringLiteral("Halbjahr 1"),
                           QStringLiteral("Halbjahr 2"), QStringLiteral("Halbjahr 3"),
                           QStringLiteral("Halbjahr 4"), QStringLiteral("Kernfach"),
                           QStringLiteral("schriftlich"), QStringLiteral("mündlich")});
    for (const Statistics::Line &line : stats.lines()) {
        QStringList fields{line.subject};
        for (int n : line.halfYears)
            fields.append(QString::number(n));
        for (int n : {line.core, line.written, line.oral})
            fields.append(QString::number(n));
        out += csvJoin(fields);
    }
    return out;
}

} // namespace tamb::check
