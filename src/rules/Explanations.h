#pragma once

#include <QString>
#include <QStringList>

namespace tamb {

// Where the handbook explains what the message area and the refusal hints
// say: anchors of its page of messages.
extern const QString MessagesPage; // "meldungen.html"

// The lines of the message area, one per fault, without their bullet.
QStringList MessageLines(const QString &messages);
// The fault that one line of the message area reports: a fault bit, or
// BlockIShortfall for the line of too few countable courses; 0 for the
// all-clear line and any text that is not the check's.
constexpr int BlockIShortfall = 1 << 16;
int MessageFault(const QString &line);
// Anchor of the explanation of one line of the message area; empty when
// the line is no text of the check.
QString MessageExplanation(const QString &line);
// Anchor of the explanation of a refusal hint; empty for any other text.
QString HintExplanation(const QString &hint);

} // namespace tamb
