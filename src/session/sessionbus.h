#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>
#include <optional>

/// The connection to the user's session bus, made on a thread of its own: a bus that is slow or hangs never holds
/// up the window, and a missing one ($DBUS_SESSION_BUS_ADDRESS "disabled:") is simply reported as none. A bus that
/// goes away (restarted with the session's services) is connected again, after growing pauses, as soon as it answers.
class SessionBus : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionBus)

public:
    explicit SessionBus(QObject *parent = nullptr);
    ~SessionBus() override = default;

    /// Starts connecting; ready() follows once, from the event loop or from deliverIfReady().
    void connectInBackground();
    /// Reports the bus now if the connection has already been settled; never waits.
    void deliverIfReady();

Q_SIGNALS:
    /// The session bus, or none when it cannot be reached; again with a new connection after the bus came back.
    void ready(const std::optional<QDBusConnection> &bus);

private Q_SLOTS:
    // Qt D-Bus offers the local end of a connection only to a slot named by its signature.
    void lost();

private:
    enum State { Connecting, Connected, Missing };
    struct Attempt {
        QString name;
        std::atomic<int> state{Connecting};
        std::optional<QDBusConnection> bus;
    };

    void start();
    void follow(const QDBusConnection &bus);
    void reconnected();

    // Shared with the connecting thread, which may outlive this object.
    std::shared_ptr<Attempt> m_attempt;
    bool m_delivered = false;
    int m_connections = 0;
    QTimer m_retry;
    int m_retryMs = 0;
};
