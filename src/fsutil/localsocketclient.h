#pragma once

#include <QByteArray>
#include <QDeadlineTimer>
#include <QString>

#include <sys/socket.h>
#include <sys/un.h>

/// A client of a local (Unix) stream socket whose every step ends by one deadline: for a peer that may take the
/// connection and then never answer.
class LocalSocketClient {
public:
    explicit LocalSocketClient(QDeadlineTimer deadline);
    ~LocalSocketClient();
    Q_DISABLE_COPY_MOVE(LocalSocketClient)

    /// Connects to the first \a length bytes of \a address; false when refused or out of time.
    bool connectTo(const sockaddr_un &address, socklen_t length);
    bool send(const QByteArray &bytes);
    /// Waits for the next bytes: up to a newline when \a wholeLine, any at all otherwise.
    QByteArray receive(bool wholeLine);
    /// Whether the last connect or receive ran out of time rather than ending with an answer, a refusal or a closed
    /// connection.
    bool timedOut() const { return m_timedOut; }

private:
    // Waits until the socket is ready for \a events or the deadline passes.
    bool waitFor(short events);

    int m_fd;
    QDeadlineTimer m_deadline;
    bool m_timedOut = false;
};

/// Fills \a address with the local socket at \a path; false when the path is empty or too long for it.
bool localSocketAddress(const QString &path, sockaddr_un &address);
