// Fuzz target of the settings file reader, from memory and from the file
// "Tamberon.tme" in the program folder.
//
// A refused file must leave the model exactly as it was; an accepted one
// must come back the same after encoding and decoding it again.

#include "FuzzSupport.h"

#include "model/Settings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

using namespace tamb;

const QString &programDir()
{
    static const std::unique_ptr<QTemporaryDir> dir = std::make_unique<QTemporaryDir>();
    static const QString path = dir->path();
    return path;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    Model base = fuzz::baseModel();
    base.ProgDir = programDir();

    // From memory.
    Model decoded = base;
    const bool accepted = DecodeSettings(decoded, input);
    if (!accepted) {
        const QString changed = fuzz::firstDifference(base, decoded);
        if (!changed.isEmpty())
            fuzz::fail("refused settings changed the model", changed, input);
    } else {
        const QByteArray out = EncodeSettings(decoded);
        Model again = base;
        if (!DecodeSettings(again, out))
            fuzz::fail("encoded settings are refused", QString::fromLatin1(out.toHex()), input);
        const QString lost = fuzz::firstDifference(decoded, again);
        if (!lost.isEmpty())
            fuzz::fail("the encode-decode round trip changed the model", lost, input);
        if (EncodeSettings(again) != out)
            fuzz::fail("encoding the decoded settings gives other bytes", QString(), input);
    }

    // From the file: the same decision, and the title only on success.
    {
        QFile file(QDir(base.ProgDir).filePath(SettingsFileName));
        if (!file.open(QIODevice::WriteOnly) || file.write(input) != input.size())
            fuzz::fail("cannot write the settings file", file.fileName(), input);
    }
    Model read = base;
    if (ReadSettings(read) != accepted)
        fuzz::fail("reading the file and decoding the bytes disagree", QString(), input);
    if (accepted) {
        decoded.view.title = TitleAfterSettings(decoded);
        const QString differs = fuzz::firstDifference(decoded, read);
        if (!differs.isEmpty())
            fuzz::fail("reading the file differs from decoding the bytes", differs, input);
    } else {
        const QString changed = fuzz::firstDifference(base, read);
        if (!changed.isEmpty())
            fuzz::fail("a refused settings file changed the model", changed, input);
    }
    return 0;
}
