#include "sessionbus.h"

#include <QCoreApplication>
#include <QPointer>

#include <thread>

void SessionBus::connectInBackground() {
    // Detached: a bus that never answers keeps only this thread waiting, and the program may end meanwhile.
    std::thread([state = m_state, self = QPointer<SessionBus>(this)] {
        state->store(QDBusConnection::sessionBus().isConnected() ? Connected : Missing);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self] {
                if (self) {
                    self->deliverIfReady();
                }
            },
            Qt::QueuedConnection);
    }).detach();
}

void SessionBus::deliverIfReady() {
    const int state = m_state->load();
    if (state == Connecting || m_delivered) {
        return;
    }
    m_delivered = true;
    Q_EMIT ready(state == Connected ? std::optional(QDBusConnection::sessionBus()) : std::nullopt);
}
