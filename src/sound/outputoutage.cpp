#include "outputoutage.h"

#include <QLoggingCategory>

namespace {
Q_LOGGING_CATEGORY(lcPlayer, "somnivox.player")
} // namespace

OutputOutage::OutputOutage(std::function<void()> reopen, std::function<void()> activeChanged)
    : m_activeChanged(std::move(activeChanged)), m_recovery(m_retryTimer, std::move(reopen)) {
    QObject::connect(&m_serverWatch, &SoundServerWatch::changed, &m_serverWatch, [this] { m_recovery.mayBeBack(); });
}

void OutputOutage::lost(const QString &reason) {
    if (m_recovery.lost()) {
        qCWarning(lcPlayer).noquote() << "audio output lost:" << reason << "- reopening it while the sound plays";
        m_serverWatch.start();
        tell(false);
    }
}

bool OutputOutage::nothingListens(bool throughServer) {
    if (throughServer && m_serverWatch.serverAbsent()) {
        if (m_recovery.nothingListens()) {
            tell(false);
        }
        return true;
    }
    return false;
}

void OutputOutage::end() {
    const bool wasActive = active();
    m_recovery.end();
    m_serverWatch.stop();
    tell(wasActive);
}

void OutputOutage::tryNow() {
    if (active()) {
        m_recovery.mayBeBack();
    }
}

void OutputOutage::tell(bool wasActive) const {
    if (wasActive != active() && m_activeChanged) {
        m_activeChanged();
    }
}
