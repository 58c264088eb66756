#pragma once

#include <QByteArray>
#include <QString>

namespace tamb {

struct Model;
class Interaction;

inline const QString SettingsFileName = QStringLiteral("Tamberon.tme");

// The settings file in `ProgDir`, wherever the working directory is now.
QString SettingsPath(const Model &m);

// Encodes and decodes the nine fields; decoding fails (and changes nothing)
// on a file that ends early or holds a length below 0 or above 255.
QByteArray EncodeSettings(const Model &m);
bool DecodeSettings(Model &m, const QByteArray &bytes);

// Reads the file into the model and sets the title. False when the file is
// missing, unreadable or damaged: the model keeps its values.
bool ReadSettings(Model &m);
// Writes the file atomically. False when it cannot be written.
bool WriteSettings(const Model &m);

// Start and new form: read the settings; when that fails, warn and decide
// whether the settings notice replaces the grids.
void ReadSettingsOrWarn(Model &m, Interaction &ui);

extern const QString SettingsMissingWarning;
extern const QString SettingsNotWrittenWarning;

} // namespace tamb
