#pragma once

#include <QDBusConnection>
#include <QObject>

#include <atomic>
#include <memory>
#include <optional>

/// The connection to the user's session bus, made on a thread of its own: a bus that is slow or hangs never holds
/// up the window, and a missing one ($DBUS_SESSION_BUS_ADDRESS "disabled:") is simply reported as none.
class SessionBus : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionBus)

public:
    using QObject::QObject;
    ~SessionBus() override = default;

    /// Starts connecting; ready() follows once, from the event loop or from deliverIfReady().
    void connectInBackground();
    /// Reports the bus now if the connection has already been settled; never waits.
    void deliverIfReady();

Q_SIGNALS:
    /// The session bus, or none when it cannot be reached.
    void ready(const std::optional<QDBusConnection> &bus);

private:
    enum State { Connecting, Connected, Missing };
    // Shared with the connecting thread, which may outlive this object.
    std::shared_ptr<std::atomic<int>> m_state = std::make_shared<std::atomic<int>>(Connecting);
    bool m_delivered = false;
};
