#include "outputoutage.h"

#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcPlayer, "somnivox.player")
} // namespace

OutputOutage::OutputOutage(std::function<void()> reopen) : m_recovery(m_retryTimer, std::move(reopen)) {
    QObject::connect(&m_serverWatch, &SoundServerWatch::changed, &m_serverWatch, [this] { m_recovery.mayBeBack(); });
}

void OutputOutage::lost(const QString &reason) {
    if (m_recovery.lost()) {
        qCWarning(lcPlayer).noquote() << "audio output lost:" << reason << "- reopening it while the sound plays";
        m_serverWatch.start();
    }
}

bool OutputOutage::nothingListens(bool throughServer) {
    if (throughServer && m_serverWatch.serverAbsent()) {
        m_recovery.nothingListens();
        return true;
    }
    return false;
}

void OutputOutage::end() {
    m_recovery.end();
    m_serverWatch.stop();
}
