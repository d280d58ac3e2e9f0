#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusUnixFileDescriptor>
#include <QList>
#include <QObject>
#include <QStringList>

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

/// logind's part in sleep, on a bus of the test's: it owns org.freedesktop.login1, hands out a pipe's end for every
/// lock asked of it, keeping the other end to see when the lock is let go, and announces sleep and resume.
class FakeLogind : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.login1.Manager")

public:
    /// Every lock asked for: what, who, why and the mode.
    QList<QStringList> requests;

    explicit FakeLogind(const QString &address)
        : m_bus(QDBusConnection::connectToBus(address, QStringLiteral("fake-logind"))) {
        m_bus.registerObject(QStringLiteral("/org/freedesktop/login1"), this, QDBusConnection::ExportAllSlots);
        m_registered = m_bus.registerService(QStringLiteral("org.freedesktop.login1"));
    }
    ~FakeLogind() override {
        for (const int end : std::as_const(m_lockEnds)) {
            ::close(end);
        }
        QDBusConnection::disconnectFromBus(QStringLiteral("fake-logind"));
    }
    Q_DISABLE_COPY_MOVE(FakeLogind)

    bool isRegistered() const { return m_registered; }

    /// Locks whose holder has not let them go yet.
    int locksHeld() const {
        int held = 0;
        for (const int end : m_lockEnds) {
            pollfd watched{end, POLLIN, 0};
            // The pipe is never written to: it turns readable only at its end, once every copy of the lock is closed.
            held += ::poll(&watched, 1, 0) == 0 ? 1 : 0;
        }
        return held;
    }

    void prepareForSleep(bool starting) {
        QDBusMessage signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/login1"),
                                                         QStringLiteral("org.freedesktop.login1.Manager"),
                                                         QStringLiteral("PrepareForSleep"));
        signal << starting;
        m_bus.send(signal);
    }

public Q_SLOTS:
    QDBusUnixFileDescriptor Inhibit(const QString &what, const QString &who, const QString &why, const QString &mode) {
        requests.append({what, who, why, mode});
        int ends[2];
        if (::pipe2(ends, O_CLOEXEC) != 0) {
            return {};
        }
        m_lockEnds.append(ends[0]);
        QDBusUnixFileDescriptor lock(ends[1]);
        ::close(ends[1]);
        return lock;
    }

private:
    QDBusConnection m_bus;
    bool m_registered = false;
    QList<int> m_lockEnds;
};
