// Writes the seed corpus of the fuzz targets:
//
//     fuzz_seeds DIR     (DIR/tmd, DIR/tnd, DIR/settings)
//
// Seeds are sound files of the current and the older formats, written by
// the program's own encoders.

#include "files/SelectionFile.h"
#include "model/MainWindowLogic.h"
#include "model/ByteIO.h"
#include "model/ScriptedInteraction.h"
#include "model/Settings.h"
#include "rules/Dispatch.h"

#include <QDir>
#include <QFile>

#include <cstdio>
#include <initializer_list>
#include <utility>

namespace {

using namespace tamb;

Model started()
{
    Model m;
    ScriptedInteraction ui;
    BuildCatalog(m);
    LayOutStartTable(m, ui);
    m.PersonalData = {QStringLiteral("Müller, Anna"), QStringLiteral("12.03.2008"),
                      QStringLiteral("11 b"), QStringLiteral("ev"), 0};
    return m;
}

Model clicked(std::initializer_list<std::pair<int, int>> cells)
{
    Model m = started();
    ScriptedInteraction ui;
    for (const auto &[col, row] : cells)
        FaecherSgrMouseDown(m, ui, col, row);
    return m;
}

Model complete()
{
    return clicked({{1, 2}, {1, 16}, {1, 8}, {2, 2}, {2, 8}, {3, 17}, {0, 12}, {0, 6}, {0, 28},
                    {0, 25}});
}

void graded(Model &m)
{
    int p = 3;
    for (int r = 1; r < SubjectCount; ++r)
        for (int h = 1; h <= 4; ++h)
            if (m.Choice[h + 3][r]) {
                m.Grades[h][r] = quint8(GradePresent | p);
                p = (p + 5) % 16;
            }
    for (int e = 1; e <= 4; ++e)
        m.Grades[1][SubjectCount - 1 + e] = quint8(GradePresent | ExamResult | (6 + e));
    m.Grades[2][SubjectCount + 4] = quint8(GradePresent | ExamResult | 12);
}

bool save(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

QByteArray selection(const Model &m, bool withGrades)
{
    return EncodeSelection(m, EncodeChoice(m), withGrades);
}

// A file of an older version: the given header, no settings block.
QByteArray older(const Model &m, qint32 header, bool withGrades)
{
    ByteWriter w;
    w.writeInt32(header);
    w.writeInt32(NameCheck(m.PersonalData.Name));
    w.writeString(m.PersonalData.Name);
    w.writeString(m.PersonalData.Geburtstag);
    w.writeString(m.PersonalData.Klasse);
    w.writeString(m.PersonalData.Bekenntnis);
    w.writeByte(m.PersonalData.ReletU);
    QList<qint32> words = EncodeChoice(m);
    words[0] = header;
    const int count = withGrades ? GradeWordCount : ChoiceWordCount;
    for (int i = 0; i < count; ++i)
        w.writeInt32(words[i]);
    return w.data();
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seeds DIR\n");
        return 64;
    }
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    for (const char *sub : {"tmd", "tnd", "settings"})
        dir.mkpath(QLatin1String(sub));
    const auto in = [&](const char *sub, const char *name) {
        return dir.filePath(QLatin1String(sub) + QLatin1Char('/') + QLatin1String(name));
    };

    Model fresh = started();
    Model full = complete();

    // Seminar course in the social-science field, study-group hours,
    // Wirtschaft as core subject with Gemeinschaftskunde oral.
    Model special = clicked({{1, 11}, {3, 9}, {1, 2}, {2, 2}});
    special.Choice[Taken][20] = true;
    special.Choice[HalfYear1][20] = true;
    special.Choice[HalfYear2][20] = true;
    special.BLLField = 2;
    for (int col = 4; col <= 7; ++col)
        special.FaecherSgr.setCell(col, SubjectCount, QString::number(col - 2));

    // A school with a fourth and an elective language.
    Model school = fresh;
    school.SchoolName = QStringLiteral("Gymnasium Überlingen");
    school.SubjectText[0][5] = QStringLiteral("Spanisch");
    school.SubjectText[0][29] = QStringLiteral("Italienisch");
    school.Allowed[0][29] = true;
    school.Allowed[3][29] = true;
    school.FspiHours = QStringLiteral("3");

    bool ok = true;
    ok &= save(in("tmd", "new-form.tmd"), selection(fresh, false));
    ok &= save(in("tmd", "complete.tmd"), selection(full, false));
    ok &= save(in("tmd", "seminar-wirtschaft.tmd"), selection(special, false));
    ok &= save(in("tmd", "school.tmd"), selection(school, false));
    ok &= save(in("tmd", "version-0.tmd"), older(full, 30, false));

    graded(full);
    graded(special);
    ok &= save(in("tnd", "new-form.tnd"), selection(fresh, true));
    ok &= save(in("tnd", "complete-graded.tnd"), selection(full, true));
    ok &= save(in("tnd", "seminar-wirtschaft.tnd"), selection(special, true));
    ok &= save(in("tnd", "version-10.tnd"), older(full, 1030, true));

    ok &= save(in("settings", "defaults.tme"), EncodeSettings(fresh));
    ok &= save(in("settings", "school.tme"), EncodeSettings(school));
    return ok ? 0 : 1;
}
