#include "BenchSupport.h"
#include "model/MainWindowLogic.h"

#include "files/SelectionFile.h"
#include "grades/Grades.h"
#include "model/Settings.h"
#include "model/ScriptedInteraction.h"
#include "rules/ChoiceCheck.h"
#include "rules/Dispatch.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

namespace bench {

using namespace tamb;

Model startedModel()
{
    Model m;
    ScriptedInteraction ui;
    BuildCatalog(m);
    LayOutStartTable(m, ui);
    return m;
}

const std::vector<Cell> &completionClicks()
{
    static const std::vector<Cell> clicks = {
        {1, 2},  // Englisch core
        {1, 16}, // Physik core
        {3, 16}, // Physik oral: refused, no social-science exam yet
        {1, 8},  // Geschichte core
        {2, 2},  // Englisch written
        {2, 8},  // Geschichte written
        {0, 4},  // Latein taken ...
        {0, 4},  // ... and dropped again
        {3, 17}, // Chemie oral
        {0, 12}, // ev. Religion
        {0, 7},  // Musik
        {0, 6},  // Bild. Kunst
        {0, 28}, // Psychologie in half-years 1 and 2
        {6, 28}, // Psychologie moved to half-years 3 and 4
        {0, 25}, // Informatik
        {8, 5},  // count column: no rule
    };
    return clicks;
}

bool isComplete(const Model &m)
{
    Model checked = m; // the check may mark sport as chosen
    return m.view.menusEnabled && CheckChoice(checked, SubjectCount) == 0;
}

Model completeModel()
{
    Model m = startedModel();
    ScriptedInteraction ui;
    for (const Cell &c : completionClicks())
        FaecherSgrMouseDown(m, ui, c.col, c.row);
    if (!isComplete(m))
        fail(QStringLiteral("the click sequence no longer ends in a complete choice:\n")
             + m.view.messages);
    return m;
}

Daten pupil(int i)
{
    Daten d;
    d.Name = QStringLiteral("Müller-Weiß, Jörg %1").arg(i);
    d.Geburtstag = QStringLiteral("%1.03.2008").arg(1 + i % 28, 2, 10, QLatin1Char('0'));
    d.Klasse = i % 2 ? QStringLiteral("11 b") : QStringLiteral("11 a");
    d.Bekenntnis = QStringLiteral("ev");
    d.ReletU = quint8(i % 2);
    return d;
}

Model gradedModel()
{
    Model m = completeModel();
    m.PersonalData = pupil(0);
    int p = 5;
    for (int r = 1; r < SubjectCount; ++r)
        for (int h = 1; h <= 4; ++h)
            if (m.Choice[h + 3][r]) {
                m.Grades[h][r] = quint8(p | GradePresent);
                p = p == 14 ? 5 : p + 1;
            }
    const quint8 exam = GradePresent | ExamResult;
    for (int e = 1; e <= 4; ++e)
        m.Grades[1][examColumn(m.GridRows, e)] = quint8((7 + e) | exam);
    m.Grades[2][examColumn(m.GridRows, 5)] = quint8(11 | exam);

    GradesView g;
    RefreshGrades(m, g, m.GridRows);
    if (g.AdmissionFlags != 0 || !g.GPZPl.visible)
        fail(QStringLiteral("the graded record is not admitted: ") + g.NzulLbl.text);
    return m;
}

// A program folder with a settings file, as a school has it.
QProcessEnvironment programEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    const QDir scratch(scratchDir());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), scratch.filePath(QStringLiteral("config")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), scratch.filePath(QStringLiteral("data")));
    return env;
}

QString programDir()
{
    static const QString dir = [] {
        const QString d = QDir(scratchDir()).filePath(QStringLiteral("program"));
        QDir().mkpath(d);
        Model m = startedModel();
        m.ProgDir = d;
        m.SchoolName = QStringLiteral("Gymnasium Überlingen");
        m.SubjectText[0][5] = QStringLiteral("Spanisch");
        if (!WriteSettings(m))
            fail(QStringLiteral("cannot write the settings file in ") + d);
        return d;
    }();
    return dir;
}

// 2 000 files of one year group: nine in ten complete (tnd with grades and
// tmd alternating), one in ten an unfinished choice.
QStringList checkedFiles()
{
    static const QStringList names = [] {
        const QString dir = programDir();
        const Model complete = gradedModel();
        Model unfinished = startedModel();
        ScriptedInteraction ui;
        for (const Cell &c : {Cell{1, 2}, Cell{1, 16}, Cell{2, 2}})
            FaecherSgrMouseDown(unfinished, ui, c.col, c.row);
        QStringList list;
        for (int i = 0; i < 2000; ++i) {
            const bool done = i % 10 != 9;
            const bool withGrades = done && i % 2 == 0;
            Model m = done ? complete : unfinished;
            m.PersonalData = pupil(i);
            if (withGrades)
                m.Grades[1][1] = quint8(GradePresent | (i % 16));
            const QString name = QStringLiteral("s%1.%2").arg(i, 4, 10, QLatin1Char('0'))
                                     .arg(withGrades ? QStringLiteral("tnd") : QStringLiteral("tmd"));
            m.FileWords = EncodeChoice(m);
            // Written plainly: 2 000 synced saves would keep the disk busy
            // while the programs run.
            QFile file(QDir(dir).filePath(name));
            if (!file.open(QIODevice::WriteOnly) || !WriteSelection(m, file, withGrades))
                fail(QStringLiteral("cannot write ") + name);
            list << name;
        }
        return list;
    }();
    return names;
}

QString scratchDir()
{
    static const std::unique_ptr<QTemporaryDir> dir = [] {
        auto d = std::make_unique<QTemporaryDir>();
        if (!d->isValid())
            fail(QStringLiteral("no temporary folder"));
        return d;
    }();
    return dir->path();
}

void fail(const QString &message)
{
    std::fprintf(stderr, "tamberon_bench: %s\n", qPrintable(message));
    std::exit(2);
}

} // namespace bench
