#include "TestSupport.h"

#include "print/PersonalDataForm.h"

#include <QTest>

using namespace tamb;


namespace {

void fill(PersonalDataForm &f, bool withReletU = true)
{
    f.Name = QStringLiteral("Muster, Max");
    f.Geburtstag = QStringLiteral("1.2.1993");
    f.Klasse = QStringLiteral("10");
    f.Bekenntnis = QStringLiteral("ohne");
    f.ReletU = withReletU ? 1 : -1;
}

void leaveAll(PersonalDataForm &f)
{
    for (PersonalDataInput input : {NameInput, GebtagInput, KlasseInput, BekenntnisInput, ReletUInput})
        f.InputLeft(input);
}

} // namespace

class TestPersonalDataForm : public QObject
{
    Q_OBJECT
private slots:
    void completeness_data();
    void completeness();
    void storedData();
    void actionButton();
    void previewButton();
};

void TestPersonalDataForm::completeness_data()
{
    QTest::addColumn<int>("missing"); // the input left empty, 0 none
    QTest::newRow("complete") << 0;
    QTest::newRow("no name") << int(NameInput);
    QTest::newRow("no birthday") << int(GebtagInput);
    QTest::newRow("no class") << int(KlasseInput);
    QTest::newRow("no denomination") << int(BekenntnisInput);
    QTest::newRow("no religion or ethics") << int(ReletUInput);
}

void TestPersonalDataForm::completeness()
{
    QFETCH(int, missing);
    PersonalDataForm f(PersonalDataUse::Print);
    f.FormShow(Daten());
    QVERIFY(f.noticeVisible && !f.actionVisible && f.mask == 0);
    fill(f);
    switch (missing) {
    case NameInput: f.Name.clear(); break;
    case GebtagInput: f.Geburtstag.clear(); break;
    case KlasseInput: f.Klasse.clear(); break;
    case BekenntnisInput: f.Bekenntnis.clear(); break;
    case ReletUInput: f.ReletU = -1; break;
    default: break;
    }
    leaveAll(f);
    QCOMPARE(f.mask, CompleteMask & ~missing);
    QCOMPARE(f.actionVisible, missing == 0);
    QCOMPARE(f.previewVisible, missing == 0);
    QCOMPARE(f.noticeVisible, missing != 0);
    if (missing)
        QCOMPARE(f.notice, QStringLiteral(" Daten unvollständig!\r\n Drucken nicht möglich!"));

    // Only leaving an input counts: the mask follows the inputs left.
    f.Name.clear();
    QCOMPARE(f.mask, CompleteMask & ~missing);
    f.InputLeft(NameInput);
    QVERIFY(!(f.mask & NameInput));
    QVERIFY(!f.actionVisible);
}

void TestPersonalDataForm::storedData()
{
    const Daten stored{QStringLiteral("Muster, Max"), QStringLiteral("1.2.1993"),
                       QStringLiteral("11 b"), QStringLiteral("rk"), 1};
    PersonalDataForm f(PersonalDataUse::SaveSelection);
    f.Wahlart = 1;
    f.FormShow(stored);
    QCOMPARE(f.caption, QStringLiteral("Ihre Daten:"));
    QCOMPARE(f.Name, stored.Name);
    QCOMPARE(f.Geburtstag, stored.Geburtstag);
    QCOMPARE(f.Klasse, stored.Klasse);
    QCOMPARE(f.Bekenntnis, stored.Bekenntnis);
    QCOMPARE(f.ReletU, 1);
    QCOMPARE(f.mask, CompleteMask);
    QVERIFY(f.actionVisible);
    QVERIFY(!f.previewVisible);
    QVERIFY(!f.noticeVisible);
    QCOMPARE(f.Wahlart, -1);

    // A stored item beyond the two leaves the choice open.
    PersonalDataForm g(PersonalDataUse::Print);
    g.FormShow({QStringLiteral("X"), QStringLiteral("Y"), QStringLiteral("12"), QStringLiteral("ev"), 7});
    QCOMPARE(g.ReletU, -1);
    QCOMPARE(g.mask, CompleteMask & ~ReletUInput);
    QVERIFY(!g.actionVisible);
}

void TestPersonalDataForm::actionButton()
{
    PersonalDataForm f(PersonalDataUse::SaveSelectionWithGrades);
    f.FormShow(Daten());
    Daten personal{QStringLiteral("alt"), {}, {}, {}, 0};
    fill(f, false);
    QCOMPARE(f.DruckBtnClick(personal), PersonalDataForm::Action::None);
    QCOMPARE(personal.Name, QStringLiteral("alt"));
    QVERIFY(f.noticeVisible);
    QCOMPARE(f.notice, QStringLiteral(" Daten unvollständig!\r\n Wahl und Noten speichern nicht möglich!"));

    f.ReletU = 0;
    leaveAll(f);
    QCOMPARE(f.DruckBtnClick(personal), PersonalDataForm::Action::SaveSelectionWithGrades);
    QCOMPARE(personal, (Daten{QStringLiteral("Muster, Max"), QStringLiteral("1.2.1993"),
                              QStringLiteral("10"), QStringLiteral("ohne"), 0}));
    QCOMPARE(f.record, personal);
    QVERIFY(!f.noticeVisible);

    PersonalDataForm p(PersonalDataUse::Print);
    p.FormShow(personal);
    QCOMPARE(p.DruckBtnClick(personal), PersonalDataForm::Action::Print);
    PersonalDataForm s(PersonalDataUse::SaveSelection);
    s.FormShow(personal);
    QCOMPARE(s.DruckBtnClick(personal), PersonalDataForm::Action::SaveSelection);
}

void TestPersonalDataForm::previewButton()
{
    PersonalDataForm f(PersonalDataUse::Print);
    f.FormShow(Daten());
    Daten personal;
    QVERIFY(!f.DruckvBtnClick(personal));
    QCOMPARE(f.notice, QStringLiteral(" Daten unvollständig!\n\r Druckvorschau nicht möglich!"));
    QVERIFY(f.noticeVisible);
    fill(f);
    leaveAll(f);
    f.Wahlart = 1;
    QVERIFY(f.DruckvBtnClick(personal));
    QCOMPARE(personal.Klasse, QStringLiteral("10"));
    QCOMPARE(personal.ReletU, quint8(1));
    QCOMPARE(f.WahlartText(), QStringLiteral("Endwahl"));
    f.Wahlart = 0;
    QCOMPARE(f.WahlartText(), QStringLiteral("Vorwahl (Basiswahl)"));
    f.Wahlart = -1;
    QCOMPARE(f.WahlartText(), QString());
}

QTEST_GUILESS_MAIN(TestPersonalDataForm)
#include "tst_personaldataform.moc"
