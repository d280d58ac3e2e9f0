#pragma once

#include <QDBusConnection>
#include <QObject>

#include <optional>

/// The connection to the user's session bus, made on a thread of its own: a bus that is slow or hangs never holds
/// up the window, and a missing one ($DBUS_SESSION_BUS_ADDRESS "disabled:") is simply reported as none.
class SessionBus : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SessionBus)

public:
    using QObject::QObject;
    ~SessionBus() override = default;

    /// Starts connecting; ready() follows on this object's thread, once.
    void connectInBackground();

Q_SIGNALS:
    /// The session bus, or none when it cannot be reached.
    void ready(const std::optional<QDBusConnection> &bus);
};
