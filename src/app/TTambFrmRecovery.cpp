// Main window: the recovery file after a crash or power cut.
#include "app/TTambFrm.h"

#include "model/History.h"

#include <QDir>
#include <QStandardPaths>
#include <QTimer>

namespace tamb {

void TTambFrm::startRecovery(const QString &folder)
{
    const QString where =
        folder.isEmpty()
            ? QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
                  .filePath(QStringLiteral("Wiederherstellung"))
            : folder;
    m_recovery = std::make_unique<RecoveryKeeper>(where);
    m_clock.start();
    auto *timer = new QTimer(this);
    connect(timer, &QTimer::timeout, this, [this] { keepRecovery(false); });
    timer->start(int(RecoveryKeeper::StepDelayMs));
}

QString TTambFrm::recoveryFile() const
{
    return m_recovery ? m_recovery->path() : QString();
}

void TTambFrm::keepRecovery(bool changed)
{
    if (!m_recovery)
        return;
    const WriteOutcome written = changed ? m_recovery->changed(m_model, m_clock.elapsed())
                                         : m_recovery->tick(m_model, m_clock.elapsed());
    // Told once: the form itself is still there to be saved.
    if (!written && !m_recoveryWarned) {
        m_recoveryWarned = true;
        m_ui->warn(CannotSaveText(RecoveryNotWrittenText, written));
    }
}

bool TTambFrm::offerRecovery()
{
    if (!m_recovery)
        return false;
    bool restored = false;
    for (const QString &orphan : m_recovery->orphans()) {
        if (restored) {
            // One form at a time; the next start asks again.
            continue;
        }
        std::optional<RecoveredState> state = RecoveryKeeper::adopt(orphan);
        if (!state)
            continue;
        if (m_ui->messageBox(BoxKind::Confirmation, RecoveryQuestion(state->when), Buttons::YesNo)
            != Answer::Yes)
            continue;
        RestoreState(m_model, state->model);
        m_model.DiskFile = state->model.DiskFile;
        m_model.DiskBytes = state->model.DiskBytes;
        m_model.WorkDir = state->model.WorkDir;
        restored = true;
        commitStep(QStringLiteral("Wiederherstellen"));
    }
    return restored;
}

} // namespace tamb
