#include "localsocketclient.h"

#include <QFile>

#include <cerrno>
#include <cstring>

#include <poll.h>
#include <sys/time.h>
#include <unistd.h>

LocalSocketClient::LocalSocketClient(QDeadlineTimer deadline)
    : m_fd(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)), m_deadline(deadline) {}

LocalSocketClient::~LocalSocketClient() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

bool LocalSocketClient::waitFor(short events) {
    while (!m_deadline.hasExpired()) {
        pollfd wait{m_fd, events, 0};
        const int ready = ::poll(&wait, 1, static_cast<int>(qMax<qint64>(1, m_deadline.remainingTime())));
        if (ready > 0) {
            return true;
        }
        if (ready == 0 || errno != EINTR) {
            break;
        }
    }
    m_timedOut = true;
    return false;
}

bool LocalSocketClient::connectTo(const sockaddr_un &address, socklen_t length) {
    m_timedOut = false;
    if (m_fd < 0) {
        return false;
    }
    // A listener whose queue is full holds a connection for as long as the send timeout allows, and so does a send
    // into a full socket.
    const qint64 left = qMax<qint64>(1, m_deadline.remainingTime());
    const timeval limit{static_cast<time_t>(left / 1000), static_cast<suseconds_t>(left % 1000 * 1000)};
    if (::setsockopt(m_fd, SOL_SOCKET, SO_SNDTIMEO, &limit, sizeof limit) != 0) {
        return false;
    }
    if (::connect(m_fd, reinterpret_cast<const sockaddr *>(&address), length) == 0) {
        return true;
    }
    m_timedOut = errno == EAGAIN;
    return false;
}

bool LocalSocketClient::send(const QByteArray &bytes) {
    return ::send(m_fd, bytes.constData(), static_cast<size_t>(bytes.size()), MSG_NOSIGNAL) == bytes.size();
}

QByteArray LocalSocketClient::receive(bool wholeLine) {
    QByteArray received;
    m_timedOut = false;
    while (waitFor(POLLIN)) {
        char buffer[256];
        const ssize_t count = ::recv(m_fd, buffer, sizeof buffer, 0);
        if (count < 0 && (errno == EAGAIN || errno == EINTR)) {
            continue;
        }
        if (count <= 0) {
            break;
        }
        received.append(buffer, count);
        if (!wholeLine || received.contains('\n')) {
            break;
        }
    }
    return received;
}

bool localSocketAddress(const QString &path, sockaddr_un &address) {
    const QByteArray encoded = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (encoded.isEmpty() || encoded.size() >= qsizetype(sizeof address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path, encoded.constData(), std::size_t(encoded.size()));
    return true;
}
