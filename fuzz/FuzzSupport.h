#pragma once

// Shared by the fuzz targets: the model a reader starts from and a
// field-by-field comparison of two models.

#include "model/Model.h"

#include <QByteArray>
#include <QString>

namespace fuzz {

// A program in use: a school's settings (a fourth language and an elective
// language), a choice half made, some grades, a pupil's data. Readers must
// leave all of it alone when they refuse a file.
const tamb::Model &baseModel();

// Name and values of the first field in which the models differ; empty
// when they are equal. With `withFileWords` false, `FileWords` is skipped.
QString firstDifference(const tamb::Model &a, const tamb::Model &b, bool withFileWords = true);

// Reports a finding and aborts, so that libFuzzer keeps the input.
[[noreturn]] void fail(const char *what, const QString &detail, const QByteArray &input);

} // namespace fuzz
