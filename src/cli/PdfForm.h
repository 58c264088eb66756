#pragma once

#include "files/SafeWrite.h"
#include "model/Model.h"

#include <QDate>
#include <QSet>
#include <QString>

namespace tamb::check {

// Writes the printed form of the model as one A4 page to `path`, atomically.
// Needs a QGuiApplication (fonts). The outcome says why the file cannot be written.
WriteOutcome writeFormPdf(const Model &m, const QString &path, const QDate &today = QDate());

// DIR/<base name>.pdf; a base name already used in this run gets "-2", "-3", ...
class PdfNames
{
public:
    explicit PdfNames(const QString &folder) : m_folder(folder) {}
    QString nameFor(const QString &file);

private:
    QString m_folder;
    QSet<QString> m_used; // lower case: file systems that ignore case
};

} // namespace tamb::check
