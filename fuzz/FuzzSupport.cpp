#include "FuzzSupport.h"
#include "model/MainWindowLogic.h"

#include "model/ScriptedInteraction.h"
#include "rules/Dispatch.h"

#include <cstdio>
#include <cstdlib>
#include <tuple>
#include <utility>

namespace fuzz {

using namespace tamb;

const Model &baseModel()
{
    static const Model base = [] {
        Model m;
        ScriptedInteraction ui;
        BuildCatalog(m);
        m.SchoolName = QStringLiteral("Gymnasium Überlingen");
        m.SubjectText[0][5] = QStringLiteral("Spanisch");
        m.SubjectText[0][29] = QStringLiteral("Italienisch");
        m.Allowed[0][29] = true;
        m.Allowed[3][29] = true;
        m.FspiHours = QStringLiteral("3");
        LayOutStartTable(m, ui);
        for (const auto &[col, row] : {std::pair{1, 2}, {1, 16}, {1, 8}, {2, 2}, {3, 17}, {0, 12}})
            FaecherSgrMouseDown(m, ui, col, row);
        m.Grades[1][1] = quint8(GradePresent | 11);
        m.Grades[2][2] = quint8(GradePresent | Counted | 7);
        m.PersonalData = {QStringLiteral("Weiß, Jörg"), QStringLiteral("01.02.2008"),
                          QStringLiteral("11 a"), QStringLiteral("rk"), 1};
        m.CurrentFile = QStringLiteral("vorher.tnd");
        m.ProgDir = QStringLiteral("programm");
        m.Modified = 1;
        return m;
    }();
    return base;
}

namespace {

QString text(const QString &s) { return QLatin1Char('"') + s + QLatin1Char('"'); }
QString text(bool b) { return b ? QStringLiteral("true") : QStringLiteral("false"); }
QString text(int i) { return QString::number(i); }

QString gridDifference(const char *name, const TextGrid &a, const TextGrid &b)
{
    if (a.colCount() != b.colCount() || a.rowCount() != b.rowCount())
        return QStringLiteral("%1 size %2x%3 / %4x%5")
            .arg(QLatin1String(name))
            .arg(a.colCount())
            .arg(a.rowCount())
            .arg(b.colCount())
            .arg(b.rowCount());
    for (int r = 0; r < a.rowCount(); ++r)
        for (int c = 0; c < a.colCount(); ++c)
            if (a.cell(c, r) != b.cell(c, r))
                return QStringLiteral("%1(%2,%3) %4 / %5")
                    .arg(QLatin1String(name))
                    .arg(c)
                    .arg(r)
                    .arg(text(a.cell(c, r)), text(b.cell(c, r)));
    return {};
}

} // namespace

QString firstDifference(const Model &a, const Model &b, bool withFileWords)
{
#define SAME(field)                                                                              \
    if (!(a.field == b.field))                                                                   \
        return QStringLiteral(#field " %1 / %2").arg(text(a.field), text(b.field));

    for (int i = 0; i < 4; ++i)
        for (int r = 0; r < SubjectCount; ++r) {
            SAME(Allowed[i][r]);
            SAME(SubjectText[i][r]);
        }
    for (int i = 0; i < 8; ++i)
        for (int r = 0; r < SubjectCount; ++r)
            SAME(Choice[i][r]);
    for (int i = 0; i < 5; ++i)
        for (int r = 0; r < GradeColumns; ++r)
            if (a.Grades[i][r] != b.Grades[i][r])
                return QStringLiteral("Grades[%1][%2] 0x%3 / 0x%4")
                    .arg(i)
                    .arg(r)
                    .arg(a.Grades[i][r], 0, 16)
                    .arg(b.Grades[i][r], 0, 16);
    for (int k = 0; k < 6; ++k)
        SAME(CoreSlots[k]);
    SAME(ClickCol);
    SAME(ClickRow);
    if (withFileWords && a.FileWords != b.FileWords)
        return QStringLiteral("FileWords (%1 / %2 words)").arg(a.FileWords.size()).arg(b.FileWords.size());
    SAME(CurrentFile);
    SAME(PersonalData.Name);
    SAME(PersonalData.Geburtstag);
    SAME(PersonalData.Klasse);
    SAME(PersonalData.Bekenntnis);
    SAME(PersonalData.ReletU);
    SAME(GridRows);
    SAME(SchoolName);
    SAME(BLLRow);
    SAME(BLLField);
    SAME(BLLSocialField);
    SAME(NormalWidth);
    SAME(DataVersion);
    SAME(FspiHours);
    SAME(ProgDir);
    SAME(WorkDir);
    SAME(SettingsSeen);
    SAME(Modified);

    SAME(view.title);
    SAME(view.width);
    SAME(view.messages);
    if (a.view.messagesColor != b.view.messagesColor)
        return QStringLiteral("view.messagesColor %1 / %2")
            .arg(int(a.view.messagesColor))
            .arg(int(b.view.messagesColor));
    SAME(view.messagesPointSize);
    SAME(view.messagesBold);
    SAME(view.legendVisible);
    SAME(view.legend);
    SAME(view.menusEnabled);
    SAME(view.afSemKVisible);
    SAME(view.afSemKCaption);
    SAME(view.hintShown);
    SAME(view.hint);
    SAME(view.settingsNotice);
    SAME(view.hoursEditorVisible);
    SAME(view.hoursEditorLeft);
    SAME(view.hoursEditorTop);
    SAME(view.hoursEditorWidth);
    SAME(view.hoursEditorText);
    SAME(view.hoursEditorColumn);
#undef SAME

    for (const auto &[name, ga, gb] :
         {std::tuple{"FaecherSgr", &a.FaecherSgr, &b.FaecherSgr},
          std::tuple{"PfaecherSgr", &a.PfaecherSgr, &b.PfaecherSgr},
          std::tuple{"WostSgr", &a.WostSgr, &b.WostSgr},
          std::tuple{"KurszSgr", &a.KurszSgr, &b.KurszSgr}}) {
        const QString d = gridDifference(name, *ga, *gb);
        if (!d.isEmpty())
            return d;
    }
    return {};
}

void fail(const char *what, const QString &detail, const QByteArray &input)
{
    std::fprintf(stderr, "\n*** %s: %s\n*** input (%lld bytes): %s\n", what, qPrintable(detail),
                 static_cast<long long>(input.size()), input.toHex().constData());
    std::abort();
}

} // namespace fuzz
