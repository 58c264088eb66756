#pragma once

#include "files/SafeWrite.h"

#include <QByteArray>
#include <QString>

namespace tamb {

struct Model;
class Interaction;

inline const QString SettingsFileName = QStringLiteral("Tamberon.tme");

// The settings file in `ProgDir`, wherever the working directory is now.
QString SettingsPath(const Model &m);

// Encodes and decodes the nine fields; decoding fails (and changes nothing)
// on a file that ends early, holds a length below 0 or above 255, or holds
// what the settings dialog cannot write (empty or repeated languages,
// control characters, zeros).
QByteArray EncodeSettings(const Model &m);
bool DecodeSettings(Model &m, const QByteArray &bytes);

// Reads the file into the model and sets the title. False when the file is
// missing, unreadable or damaged: the model keeps its values, and `problem`
// names a file that is there but cannot be used (empty when it is missing).
bool ReadSettings(Model &m, QString *problem = nullptr);
// Writes the file atomically; the outcome says why it could not.
WriteOutcome WriteSettings(const Model &m);

// Start and new form: read the settings; when that fails, warn and decide
// whether the settings notice replaces the grids.
void ReadSettingsOrWarn(Model &m, Interaction &ui);

extern const QString SettingsMissingWarning;
extern const QString SettingsNotWrittenWarning;
// The sentence added to the missing-file warning for a damaged file.
QString SettingsDamagedText(const QString &path);

} // namespace tamb
