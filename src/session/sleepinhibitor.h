#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QObject>
#include <QString>
#include <QTimer>

#include <chrono>
#include <functional>
#include <optional>

class QDBusPendingCallWatcher;

/// A delay lock on the computer's sleep, taken from logind on the system bus, so that the sound is silenced before
/// the computer sleeps and nothing of it is held to be heard after the resume. When logind announces the sleep the
/// program is told to silence itself, and the lock is released once its sound has ended, or after LongestDelay at
/// the latest; after the resume a new lock is taken and the program is told to play again. Never a lock that blocks
/// sleep. The bus is reached on a thread of its own and every call waits on nothing: no system bus, no logind, or
/// one that never answers, costs the program nothing. Only logind's own announcements count: the first answer to the
/// lock names it, and any other process that sends one is not listened to.
class SleepInhibitor : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SleepInhibitor)

public:
    /// What it asks of the program; each piece outlives this object.
    struct Program {
        /// Silences the sound before the sleep, ending it in its ramp.
        std::function<void()> silence;
        /// Whether the silenced sound is still falling to silence; soundEnded() is expected when it is done.
        std::function<bool()> isEnding;
        /// The computer has woken up.
        std::function<void()> wake;
    };

    /// The longest the lock delays the sleep once logind has announced it.
    static constexpr std::chrono::milliseconds LongestDelay{250};

    explicit SleepInhibitor(Program program, QObject *parent = nullptr);
    ~SleepInhibitor() override;

    /// Reaches the system bus ($DBUS_SYSTEM_BUS_ADDRESS, or the standard one) in the background, then takes the lock.
    void connectInBackground();
    /// Whether a lock is held now.
    bool holdsLock() const { return m_lock >= 0; }

    /// The silenced sound has ended: the lock goes.
    void soundEnded();

private Q_SLOTS:
    // Qt D-Bus delivers a signal only to a slot named by its signature.
    void prepareForSleep(bool starting);

private:
    enum class State {
        /// No bus, or not yet.
        Unconnected,
        /// On the bus without a lock: logind refused it or is not there.
        Awake,
        Asking,
        Holding,
        /// The sleep is announced: the lock is held until the sound has ended.
        Releasing,
        /// The lock is released; the resume is awaited.
        Asleep,
    };

    void connected(const QDBusConnection &bus);
    void take();
    void answered(QDBusPendingCallWatcher *call);
    void release();

    Program m_program;
    State m_state = State::Unconnected;
    std::optional<QDBusConnection> m_bus;
    QString m_connectionName;
    // logind's unique name on the bus, from its answer to the lock; empty until then.
    QString m_logind;
    int m_lock = -1;
    bool m_refusalLogged = false;
    QTimer m_releaseDeadline;
};
