// Fuzz target of the selection file reader (built twice: FUZZ_WITH_GRADES 0
// reads tmd files, 1 reads tnd files).
//
// A refused file must leave the model exactly as it was. An accepted file
// must come back the same after writing and reading it again (grade bits
// 0x10, 0x20 and 0x40 of the first three bytes are not stored), and the
// second writing must give the same bytes as the first.

#include "FuzzSupport.h"

#include "files/SelectionFile.h"
#include "model/ScriptedInteraction.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

#ifndef FUZZ_WITH_GRADES
#error "FUZZ_WITH_GRADES must be 0 or 1"
#endif

namespace {

using namespace tamb;

constexpr bool WithGrades = FUZZ_WITH_GRADES != 0;
const QString FileName = WithGrades ? QStringLiteral("fuzz.tnd") : QStringLiteral("fuzz.tmd");

ReadStatus readInto(Model &m, const QByteArray &bytes)
{
    ScriptedInteraction ui;
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return ReadSelection(m, ui, buffer, WithGrades, FileName);
}

QByteArray written(const Model &m, const QByteArray &input)
{
    Model writer = m;
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    if (!WriteSelection(writer, buffer, WithGrades))
        fuzz::fail("writing failed", QString(), input);
    if (!writer.FileWords.isEmpty())
        fuzz::fail("FileWords not emptied after writing", QString(), input);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray input(reinterpret_cast<const char *>(data), qsizetype(size));
    const Model &base = fuzz::baseModel();

    Model first = base;
    const ReadStatus status = readInto(first, input);
    if (status != ReadStatus::Loaded) {
        const QString changed = fuzz::firstDifference(base, first);
        if (!changed.isEmpty())
            fuzz::fail("a refused file changed the model", changed, input);
        return 0;
    }

    const QByteArray out = written(first, input);
    Model second = base;
    if (readInto(second, out) != ReadStatus::Loaded)
        fuzz::fail("the written file is refused", QString::fromLatin1(out.toHex()), input);

    // What the file keeps of the grades.
    Model expected = first;
    if (WithGrades)
        for (int i = 1; i <= StoredGradeRows; ++i)
            for (int h = 1; h <= 3; ++h)
                expected.Grades[h][i] &= 0x8F;
    const QString lost = fuzz::firstDifference(expected, second, false);
    if (!lost.isEmpty())
        fuzz::fail("the write-read round trip changed the model", lost, input);
    if (written(second, input) != out)
        fuzz::fail("writing the read-back model gives other bytes", QString(), input);
    return 0;
}
