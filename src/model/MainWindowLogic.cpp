#include "model/MainWindowLogic.h"

#include "model/Interaction.h"
#include "model/Model.h"
#include "model/Settings.h"
#include "rules/Dispatch.h"

#include <QDir>
#include <QFileInfo>

namespace tamb {

const QString ProgramInfoText = QStringLiteral(
    "Tamberon für die Kursstufe am allgemeinbildenden Gymnasium\r\n"
    "                             in Baden-Württemberg\r\n"
    "\r\n"
    "                             Gültig ab Abitur 2010\r\n"
    "                                          6.0.1");

QString ScreenWarningText(int width, int height)
{
    return QStringLiteral("Die Bildschirmauflösung ist zu klein!\r\nDie aktuelle Einstellung ist: ")
        + QString::number(width) + QStringLiteral(" x ") + QString::number(height)
        + QStringLiteral("\n\rSie sollten 1024 x 768 einstellen!");
}

QString CloseQuestionText(const Model &m)
{
    const QString head = m.CurrentFile.isEmpty()
        ? QStringLiteral("Wahl noch nicht gespeichert!")
        : QFileInfo(m.CurrentFile).fileName() + QStringLiteral(" geändert");
    return head + QStringLiteral("\n\rSoll jetzt gespeichert werden?");
}

void FormCreate(Model &m, Interaction &ui, int screenWidth, int screenHeight,
                const QString &workingDirectory)
{
    m.SettingsSeen = false;
    m.Modified = 0;
    m.ProgDir = workingDirectory;
    m.GridRows = SubjectCount;
    ui.messageBox(BoxKind::Plain, ProgramInfoText, Buttons::Ok);
    if (screenWidth < 1024)
        ui.inform(ScreenWarningText(screenWidth, screenHeight));
    m.NormalWidth = 750;
    m.view.width = 750;
    BuildCatalog(m);
    ReadSettingsOrWarn(m, ui);
    LayOutStartTable(m, ui);
}

void LayOutStartTable(Model &m, Interaction &ui)
{
    LayoutTable(m, SubjectCount);
    m.BLLRow = FindField(m, SubjectCount, QStringLiteral("l"));
    RefreshChecks(m, ui);
}

void FormShow(Model &m)
{
    LayoutTable(m, SubjectCount);
    m.view.title = TitleShown(m);
}

void FormPaint(Model &m)
{
    for (int row = 1; row < SubjectCount; ++row) {
        m.FaecherSgr.setCell(0, row, m.SubjectText[0][row]);
        if (!m.Allowed[2][row])
            m.FaecherSgr.setCell(2, row, QStringLiteral(" ¤"));
        if (!m.Allowed[3][row])
            m.FaecherSgr.setCell(3, row, QStringLiteral(" ¤"));
    }
}

void NeuesFormularClick(Model &m, Interaction &ui)
{
    ClearTable(m, SubjectCount);
    ResetChoice(m);
    ReadSettingsOrWarn(m, ui);
    LayoutTable(m, SubjectCount);
    RefreshChecks(m, ui);
    m.view.legendVisible = false;
    m.view.menusEnabled = false;
    m.view.title = TitleShown(m);
}

void EinstJaBtnClick(Model &m, Interaction &ui)
{
    m.view.settingsNotice = false;
    m.SettingsSeen = true;
    ui.showWindow(Window::SettingsDialog);
}

void EinstNeinBtnClick(Model &m)
{
    m.view.settingsNotice = false;
    m.SettingsSeen = false;
}

CloseAction FormCloseQuery(Model &m, Interaction &ui)
{
    if (m.Modified == 0)
        return CloseAction::Close;
    switch (ui.messageBox(BoxKind::Plain, CloseQuestionText(m), Buttons::YesNoCancel)) {
    case Answer::Yes:
        return m.Modified == 2 ? CloseAction::SaveChoiceAndGrades : CloseAction::SaveChoice;
    case Answer::No:
        return CloseAction::Close;
    default:
        return CloseAction::Stay;
    }
}

} // namespace tamb
