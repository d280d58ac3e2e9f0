#include "singleinstance.h"

#include "localsocketclient.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QLoggingCategory>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>

#include <cerrno>
#include <cstring>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcInstance, "somnivox.instance")

namespace {

// A plain socket rather than Qt's network module, which would bring its libraries into every start.
const QByteArray ShowRequest = "show\n";
const QByteArray ShowAnswer = "shown\n";

bool socketAddress(const QString &path, sockaddr_un &address) {
    const QByteArray encoded = QFile::encodeName(path);
    address = {};
    address.sun_family = AF_UNIX;
    if (encoded.size() >= qsizetype(sizeof(address.sun_path))) {
        return false;
    }
    std::memcpy(address.sun_path, encoded.constData(), std::size_t(encoded.size()));
    return true;
}

} // namespace

SingleInstance::SingleInstance(const QString &folder, QObject *parent)
    : QObject(parent), m_lock(folder + u"/somnivox.lock"_s), m_socketPath(folder + u"/somnivox.socket"_s) {
    // Only a lock whose process has ended is taken over, however old it is.
    m_lock.setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    if (m_listener >= 0) {
        m_incoming.reset();
        ::close(m_listener);
        ::unlink(QFile::encodeName(m_socketPath).constData());
    }
}

QString SingleInstance::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

SingleInstance::Role SingleInstance::claim(int patienceMs) {
    const QDeadlineTimer deadline(patienceMs);
    while (true) {
        if (m_lock.tryLock(0)) {
            if (!listen()) {
                qCWarning(lcInstance, "cannot listen on %s: %s", qPrintable(m_socketPath), std::strerror(errno));
            }
            return Role::First;
        }
        if (m_lock.error() != QLockFile::LockFailedError) {
            qCWarning(lcInstance, "cannot lock %s: running without the one-instance guard",
                      qPrintable(m_lock.fileName()));
            return Role::First;
        }
        if (handOver(static_cast<int>(qMax<qint64>(deadline.remainingTime(), 0)))) {
            return Role::HandedOver;
        }
        if (deadline.hasExpired()) {
            return Role::NoAnswer;
        }
        // The lock's holder is still starting and not yet listening.
        QThread::msleep(100);
    }
}

bool SingleInstance::listen() {
    sockaddr_un address{};
    if (!socketAddress(m_socketPath, address)) {
        errno = ENAMETOOLONG;
        return false;
    }
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listener < 0) {
        return false;
    }
    // A socket left by a killed program would refuse the bind. Only the user may ask for the window.
    ::unlink(address.sun_path);
    if (::bind(listener, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0 ||
        ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(listener, 8) != 0) {
        const int error = errno;
        ::close(listener);
        errno = error;
        return false;
    }
    m_listener = listener;
    m_incoming = std::make_unique<QSocketNotifier>(listener, QSocketNotifier::Read);
    connect(m_incoming.get(), &QSocketNotifier::activated, this, &SingleInstance::answer);
    return true;
}

bool SingleInstance::handOver(int waitMs) const {
    sockaddr_un address{};
    if (!socketAddress(m_socketPath, address)) {
        return false;
    }
    // The program answers from its event loop, which a first start reaches only after loading its settings.
    LocalSocketClient program{QDeadlineTimer(waitMs)};
    return program.connectTo(address, sizeof address) && program.send(ShowRequest) &&
           program.receive(true) == ShowAnswer;
}

void SingleInstance::answer() {
    int fd = -1;
    while ((fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK)) >= 0) {
        auto *request = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        auto received = std::make_shared<QByteArray>();
        connect(request, &QSocketNotifier::activated, this, [this, request, received, fd] {
            char chunk[16];
            const ssize_t got = ::recv(fd, chunk, sizeof(chunk), 0);
            if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
                return;
            }
            received->append(chunk, qMax<ssize_t>(got, 0));
            // A whole line, a closed connection, or more than a request holds ends the exchange.
            if (got > 0 && !received->contains('\n') && received->size() < ShowRequest.size()) {
                return;
            }
            if (*received == ShowRequest) {
                Q_EMIT activationRequested();
                ::send(fd, ShowAnswer.constData(), std::size_t(ShowAnswer.size()), MSG_NOSIGNAL);
            }
            request->setEnabled(false);
            request->deleteLater();
            ::close(fd);
        });
    }
}
