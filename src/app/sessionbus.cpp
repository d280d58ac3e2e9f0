#include "sessionbus.h"

#include <QCoreApplication>
#include <QPointer>

#include <thread>

void SessionBus::connectInBackground() {
    // Detached: a bus that never answers keeps only this thread waiting, and the program may end meanwhile.
    std::thread([self = QPointer<SessionBus>(this)] {
        const bool connected = QDBusConnection::sessionBus().isConnected();
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, connected] {
                if (self) {
                    Q_EMIT self->ready(connected ? std::optional(QDBusConnection::sessionBus()) : std::nullopt);
                }
            },
            Qt::QueuedConnection);
    }).detach();
}
