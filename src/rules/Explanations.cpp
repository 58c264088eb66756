#include "rules/Explanations.h"

#include "rules/BlockIPreview.h"
#include "rules/ChoiceCheck.h"
#include "rules/CoreRules.h"
#include "rules/ExamRules.h"

namespace tamb {

const QString MessagesPage = QStringLiteral("meldungen.html");

namespace {

struct Anchored
{
    int bit;
    const char16_t *anchor;
};

constexpr Anchored FaultAnchors[] = {
    {FaultCoreCount, u"fehlt-kernfach"},
    {FaultCoreLanguage, u"kernfach-fremdsprache"},
    {FaultCoreLanguageOrScience, u"kernfach-weitere"},
    {FaultWrittenCount, u"fehlt-schriftlich"},
    {FaultWrittenLanguage, u"schriftlich-fremdsprache"},
    {FaultOral, u"muendlich"},
    {FaultReligion, u"religion"},
    {FaultArt, u"kunst-musik"},
    {FaultNoScience, u"keine-naturwissenschaft"},
    {FaultOneScience, u"eine-naturwissenschaft"},
    {FaultSport, u"sport"},
};

// The check's numbered lines: "Es fehlen noch 3 Kernfächer darunter: ".
bool countedLine(const QString &line, const QString &what)
{
    return line.startsWith(QStringLiteral("Es fehlen noch ")) && line.contains(what);
}

} // namespace

QStringList MessageLines(const QString &messages)
{
    QStringList lines = messages.split(QStringLiteral("\r\n\n"));
    for (QString &line : lines)
        if (line.startsWith(u'»'))
            line.remove(0, 1);
    return lines;
}

int MessageFault(const QString &line)
{
    for (const Anchored &a : FaultAnchors)
        if (line == FaultMessage(a.bit))
            return a.bit;
    if (countedLine(line, QStringLiteral(" Kernfächer darunter")))
        return FaultCoreCount;
    if (countedLine(line, QStringLiteral(" schriftliche Prüfungsfächer darunter")))
        return FaultWrittenCount;
    if (line == HoursFaultText)
        return FaultHours;
    for (int missing = 1; missing <= 40; ++missing)
        if (line == ShortfallText(missing))
            return BlockIShortfall;
    return 0;
}

QString MessageExplanation(const QString &line)
{
    const int fault = MessageFault(line);
    for (const Anchored &a : FaultAnchors)
        if (fault == a.bit)
            return QString::fromUtf16(a.anchor);
    if (fault == FaultHours)
        return QStringLiteral("stunden");
    if (fault == BlockIShortfall)
        return QStringLiteral("block1-40");
    if (line == NoFaultText)
        return QStringLiteral("keine-fehler");
    return QString();
}

QString HintExplanation(const QString &hint)
{
    if (hint.endsWith(NotCoreHint))
        return QStringLiteral("hinweis-kein-kernfach");
    if (hint.endsWith(MustBeWrittenHint))
        return QStringLiteral("hinweis-muss-schriftlich");
    if (hint == WrittenCountHint(4) || hint == WrittenCountHint(5))
        return QStringLiteral("hinweis-schon-schriftlich");
    if (hint == CoreCountHint)
        return QStringLiteral("hinweis-schon-kernfaecher");
    if (hint == NoSocialExamHint)
        return QStringLiteral("hinweis-gesellschaft");
    if (hint.endsWith(OtherOralHint))
        return QStringLiteral("hinweis-schon-muendlich");
    return QString();
}

} // namespace tamb
