#include "sessionbus.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QPointer>

#include <algorithm>
#include <thread>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcBus, "somnivox.bus")

namespace {

constexpr int FirstRetryMs = 500;
constexpr int LongestRetryMs = 10000;

} // namespace

SessionBus::SessionBus(QObject *parent) : QObject(parent) {
    m_retry.setSingleShot(true);
    m_retry.setTimerType(Qt::VeryCoarseTimer);
    connect(&m_retry, &QTimer::timeout, this, &SessionBus::start);
}

void SessionBus::connectInBackground() {
    start();
}

void SessionBus::start() {
    // One connection is sought at a time: a bus that never answers keeps only its own thread waiting.
    if (m_attempt && m_attempt->state == Connecting) {
        return;
    }
    m_attempt = std::make_shared<Attempt>();
    // Qt's own connection serves the first; it cannot be made anew, so a bus that came back gets one of ours.
    if (m_connections > 0) {
        m_attempt->name = u"somnivox-session-%1"_s.arg(m_connections);
    }
    // Detached: the program may end meanwhile.
    std::thread([attempt = m_attempt, self = QPointer<SessionBus>(this)] {
        const QDBusConnection bus = attempt->name.isEmpty()
                                        ? QDBusConnection::sessionBus()
                                        : QDBusConnection::connectToBus(QDBusConnection::SessionBus, attempt->name);
        if (bus.isConnected()) {
            attempt->bus = bus;
        }
        attempt->state.store(bus.isConnected() ? Connected : Missing);
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [self, attempt] {
                if (self && self->m_attempt == attempt) {
                    self->m_delivered ? self->reconnected() : self->deliverIfReady();
                }
            },
            Qt::QueuedConnection);
    }).detach();
}

void SessionBus::deliverIfReady() {
    if (m_delivered || !m_attempt || m_attempt->state == Connecting) {
        return;
    }
    m_delivered = true;
    ++m_connections;
    if (m_attempt->bus) {
        follow(*m_attempt->bus);
    }
    Q_EMIT ready(m_attempt->bus);
}

void SessionBus::reconnected() {
    if (!m_attempt->bus) {
        QDBusConnection::disconnectFromBus(m_attempt->name);
        m_retryMs = std::min(m_retryMs * 2, LongestRetryMs);
        m_retry.start(m_retryMs);
        return;
    }
    ++m_connections;
    qCInfo(lcBus, "connected to the session bus again");
    follow(*m_attempt->bus);
    Q_EMIT ready(m_attempt->bus);
}

void SessionBus::follow(const QDBusConnection &bus) {
    QDBusConnection(bus).connect(QString(), u"/org/freedesktop/DBus/Local"_s, u"org.freedesktop.DBus.Local"_s,
                                 u"Disconnected"_s, this, SLOT(lost()));
}

void SessionBus::lost() {
    qCWarning(lcBus, "the session bus went away: connecting again once it answers");
    m_retryMs = FirstRetryMs;
    m_retry.start(m_retryMs);
}
