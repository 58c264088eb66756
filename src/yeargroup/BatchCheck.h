#pragma once

#include "files/FileNames.h"
#include "grades/GradesView.h"
#include "grades/Zielnote.h"
#include "model/Model.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace tamb::check {

// The program as it stands right after its start in `folder`: catalog, the
// school's settings from "Tamberon.tme" there when it exists (silently
// skipped when not), table laid out, BLL row found, first check.
// `*settingsProblem` tells of a settings file that exists but cannot be used.
Model startedModel(const QString &folder, QString *settingsProblem = nullptr);

// One file as "&Öffnen" and the refresh leave it, plus the grades as the
// grades window computes them when it is opened.
struct FileCheck
{
    explicit FileCheck(const Model &started) : model(started) {}

    QString file; // as given
    SelectionKind kind = SelectionKind::None;
    // The message the program shows when the file cannot be read.
    std::optional<QString> error;
    // Information shown while reading a file that was read.
    QStringList notes;
    Model model;
    int faultMask = 0;
    // Fault mask 0 and at least 40 countable courses ("Noten" enabled).
    bool complete = false;
    // Only for a complete file with grades.
    std::optional<GradesView> grades;
    // With --zielnote, for a file whose grades are computed.
    std::optional<TargetPoints> target;

    bool read() const { return !error.has_value(); }
};

extern const QString UnknownKindText; // "Unbekannter Dateityp"

// Reads `path` into a copy of `started`; never throws.
FileCheck checkFile(const Model &started, const QString &path);

// Everything the grades window computes when "Noten" opens it.
GradesView gradesAsOpened(Model &m);

// Figures of a choice for the reports.
std::array<int, 4> weeklyHours(const Model &m);
// Long names of the subjects with the flag `row` set, in catalog order.
QStringList subjectsWith(const Model &m, ChoiceRow row);

// What the grades window shows, in plain values.
struct GradesSummary
{
    int blockI = 0;
    QString blockICaption;
    QString under5;
    quint16 admissionFlags = 0;
    struct NonAdmission
    {
        QString caption;
        QString text;
    };
    std::optional<NonAdmission> nonAdmission;
    std::optional<int> blockII; // none while non-admission is shown
    std::optional<int> total;
    std::optional<QString> average;
    std::optional<QString> verdict; // "Abitur nicht bestanden!" and its reasons
};
GradesSummary summarize(const GradesView &g);

// What one pupil's choice adds to the statistics: a subject offered and
// its flags (bits 0-3 half-years 1-4, then core, written, oral).
struct Enrolment
{
    QString subject;
    int row = 0;
    quint8 flags = 0;
};
enum EnrolmentFlag : quint8 { InCore = 0x10, InWritten = 0x20, InOral = 0x40 };
QList<Enrolment> enrolments(const Model &m);

// How many pupils take each subject per half-year and as core, written or
// oral subject. Subjects are told apart by name, since files of different
// schools name the school's own languages differently.
class Statistics
{
public:
    struct Line
    {
        QString subject;
        int row = 0;
        std::array<int, 4> halfYears{};
        int core = 0;
        int written = 0;
        int oral = 0;
    };

    void add(const Model &m) { add(enrolments(m)); }
    void add(const QList<Enrolment> &pupil);
    int pupils() const { return m_pupils; }
    // In catalog order; subjects nobody was offered are left out.
    QList<Line> lines() const;

private:
    int m_pupils = 0;
    QList<Line> m_lines;
    QHash<QString, qsizetype> m_index;
};

// Courses needed for `pupils` with at most `perCourse` in each (rounded up).
int coursesNeeded(int pupils, int perCourse);

// Message texts as lines: LF CR and CR LF pairs and single breaks split,
// tabs widened, trailing blanks and empty lines dropped.
QStringList textLines(const QString &text);

} // namespace tamb::check
