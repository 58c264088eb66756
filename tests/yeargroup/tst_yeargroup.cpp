// A year group read as the overview reads it: which files, what each row
// says, and the same CSV and statistics as the checker over the same files.
#include "YearGroupFixture.h"

#include "cli/CommandLine.h"
#include "cli/Run.h"
#include "yeargroup/YearGroup.h"

#include <QBuffer>
#include <QStandardPaths>
#include <QTest>

using namespace tamb;
using namespace tamb::check;

Q_DECLARE_METATYPE(tamb::check::PupilStatus)
Q_DECLARE_METATYPE(tamb::check::Admission)

class TestYearGroup : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<test::YearGroupFolder> m_folder;
    std::vector<PupilRecord> m_records;

    const PupilRecord *record(const QString &file) const
    {
        for (const PupilRecord &r : m_records)
            if (r.file == file)
                return &r;
        return nullptr;
    }

private slots:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_folder = std::make_unique<test::YearGroupFolder>();
        YearGroupReader reader(m_folder->path(), selectionFilesIn(m_folder->path(), true), 3);
        reader.run();
        QCOMPARE(reader.done(), reader.count());
        m_records = reader.takeRecords();
    }

    void listing_data()
    {
        QTest::addColumn<bool>("subfolders");
        QTest::addColumn<QStringList>("files");
        const QStringList top{"acker.tmd", "BERG.TMD",  "cramer.tmd", "dietz.tnd",
                              "ernst.tnd", "franke.tnd", "kaputt.tmd"};
        QTest::newRow("folder") << false << top;
        QTest::newRow("with subfolders") << true << (top + QStringList{"nachzuegler/gross.tmd"});
    }

    void listing()
    {
        QFETCH(bool, subfolders);
        QFETCH(QStringList, files);
        QCOMPARE(selectionFilesIn(m_folder->path(), subfolders), files);
    }

    void records_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<PupilStatus>("status");
        QTest::addColumn<QString>("message");
        QTest::addColumn<Admission>("admission");
        QTest::addColumn<QString>("reasons");

        QTest::newRow("complete") << "acker.tmd" << PupilStatus::Complete << "" << Admission::None << "";
        QTest::newRow("first item with its continuation lines")
            << "BERG.TMD" << PupilStatus::Incomplete
            << "Es fehlen noch 3 Kernfächer darunter: ... eine Fremdsprache ... eine weitere "
               "Fremdsprache oder eine Naturwissenschaft"
            << Admission::None << "";
        QTest::newRow("hours only: the paragraph, broken words joined")
            << "cramer.tmd" << PupilStatus::Incomplete
            << "Nach § 10 NGVO sind in den vier Halbjahren durchschnittlich mindestens 32 "
               "Wochenstunden in Kursen oder Arbeitsgemeinschaften zu besuchen. Bitte wählen Sie "
               "weitere Kurse oder Arbeitsgemeinschaften!"
            << Admission::None << "";
        QTest::newRow("admitted") << "dietz.tnd" << PupilStatus::Complete << "" << Admission::Admitted
                                  << "";
        QTest::newRow("not admitted") << "ernst.tnd" << PupilStatus::Complete << ""
                                      << Admission::NotAdmitted
                                      << "Nichtzulassung zur schriftlichen Prüfung!";
        QTest::newRow("failed") << "franke.tnd" << PupilStatus::Complete << "" << Admission::Failed
                                << "Abitur nicht bestanden!";
        QTest::newRow("unreadable") << "kaputt.tmd" << PupilStatus::Unreadable
                                    << "Datei- und Programmversion nicht kompatibel"
                                    << Admission::None << "";
        QTest::newRow("in a subfolder") << "nachzuegler/gross.tmd" << PupilStatus::Complete << ""
                                        << Admission::None << "";
    }

    void records()
    {
        QFETCH(QString, file);
        QFETCH(PupilStatus, status);
        QFETCH(QString, message);
        QFETCH(Admission, admission);
        QFETCH(QString, reasons);
        const PupilRecord *r = record(file);
        QVERIFY(r);
        QCOMPARE(r->status, status);
        QCOMPARE(r->message, message);
        QCOMPARE(r->admission, admission);
        QVERIFY2(reasons.isEmpty() ? r->reasons.isEmpty() : r->reasons.startsWith(reasons),
                 qPrintable(r->reasons));
        QCOMPARE(r->modified, QFileInfo(m_folder->file(file)).lastModified());
        // Figures only where a file was read; results only for a complete .tnd.
        QCOMPARE(r->enrolments.isEmpty(), status == PupilStatus::Unreadable);
        QCOMPARE(r->blockI.has_value(), admission != Admission::None);
        QCOMPARE(r->total.has_value(), admission == Admission::Admitted);
        if (status != PupilStatus::Unreadable)
            QCOMPARE(r->hours[0] + r->hours[1] + r->hours[2] + r->hours[3] >= 128,
                     !message.startsWith(u"Nach § 10") && status == PupilStatus::Complete);
    }

    // The window's export and course counts are the checker's over the same files.
    void sameAsChecker()
    {
        Options options = parseArguments({QStringLiteral("--csv"), QStringLiteral("--stats")});
        options.files = selectionFilesIn(m_folder->path(), true);
        for (QString &file : options.files)
            file = m_folder->file(file);
        QBuffer out;
        QBuffer err;
        out.open(QIODevice::WriteOnly);
        err.open(QIODevice::WriteOnly);
        run(options, m_folder->path(), out, err, 2);
        QString expected = QString::fromUtf8(out.data());
        expected.replace(m_folder->path() + u'/', QString());
        QCOMPARE(yearGroupCsv(m_records), expected);
        QCOMPARE(statisticsOf(m_records).pupils(), 7);
    }

    void coursesNeeded_data()
    {
        QTest::addColumn<int>("pupils");
        QTest::addColumn<int>("perCourse");
        QTest::addColumn<int>("courses");
        QTest::newRow("no limit: the pupils") << 23 << 0 << 23;
        QTest::newRow("exactly full") << 44 << 22 << 2;
        QTest::newRow("one more opens a course") << 45 << 22 << 3;
        QTest::newRow("nobody") << 0 << 22 << 0;
    }

    void coursesNeeded()
    {
        QFETCH(int, pupils);
        QFETCH(int, perCourse);
        QFETCH(int, courses);
        QCOMPARE(check::coursesNeeded(pupils, perCourse), courses);
    }

    void cancelled()
    {
        YearGroupReader reader(m_folder->path(), selectionFilesIn(m_folder->path(), false), 2);
        reader.cancel();
        reader.run();
        QVERIFY(reader.takeRecords().empty());
    }
};

QTEST_GUILESS_MAIN(TestYearGroup)
#include "tst_yeargroup.moc"
