#pragma once

// A year group's folder made for the tests: the school's settings and one
// file of each kind the overview tells apart.

#include "../grades/GradesFixture.h"
#include "../rules/ChoiceBuilder.h"

#include "files/SelectionFile.h"
#include "model/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tamb::test {

struct YearGroupFolder
{
    QTemporaryDir dir;

    YearGroupFolder()
    {
        Model school = startedModel();
        school.ProgDir = dir.path();
        school.SchoolName = QStringLiteral("Testgymnasium");
        if (!WriteSettings(school))
            qFatal("cannot write the settings");
        QDir(dir.path()).mkdir(QStringLiteral("nachzuegler"));

        add(QStringLiteral("acker.tmd"), pupil(completeModel(), "Acker, Anna", "11 a"), false);
        add(QStringLiteral("BERG.TMD"), pupil(startedModel(), "Berg, Bernd", "11 b"), false);
        Model hours = completeModel();
        setStudyGroups(hours, QString());
        add(QStringLiteral("cramer.tmd"), pupil(hours, "Cramer, Clara", "11 a"), false);
        add(QStringLiteral("dietz.tnd"), graded(10, 10, "Dietz, Dora"), true);
        add(QStringLiteral("ernst.tnd"), graded(0, 10, "Ernst, Emil"), true);
        add(QStringLiteral("franke.tnd"), graded(10, 2, "Franke, Fritz"), true);
        put(QStringLiteral("kaputt.tmd"), "kein Tamberon");
        put(QStringLiteral("notizen.txt"), "kein Tamberon");
        add(QStringLiteral("nachzuegler/gross.tmd"), pupil(completeModel(), "Groß, Gabi", "12"),
            false);
    }

    QString path() const { return dir.path(); }
    QString file(const QString &name) const { return dir.filePath(name); }

    static Model pupil(Model m, const char *name, const char *klasse)
    {
        m.PersonalData = {QString::fromUtf8(name), QStringLiteral("01.02.2009"),
                          QString::fromUtf8(klasse), QStringLiteral("ev"), 0};
        return m;
    }
    // A complete choice with `courses` points in every course and `exams` in
    // every examination.
    static Model graded(int courses, int exams, const char *name)
    {
        Model m = pupil(completeModel(), name, "12");
        m.GridRows = SubjectCount;
        setAllGrades(m, courses);
        setWrittenExams(m, {exams, exams, exams, exams}, {}, exams);
        return m;
    }
    void add(const QString &name, Model m, bool withGrades) const
    {
        if (!WriteSelection(m, file(name), withGrades))
            qFatal("cannot write %s", qPrintable(name));
    }
    void put(const QString &name, const QByteArray &bytes) const
    {
        QFile out(file(name));
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
    }
};

} // namespace tamb::test
