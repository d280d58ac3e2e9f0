#include "singleinstance.h"

#include "localsocketclient.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemWatcher>
#include <QLoggingCategory>
#include <QPointer>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSocketNotifier>
#include <QStandardPaths>
#include <QThread>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcInstance, "somnivox.instance")

namespace {

// A plain socket rather than Qt's network module, which would bring its libraries into every start. A request is
// "show\n", or "show TOKEN\n" with the launcher's token, answered "shown\n"; or "command" and the command's
// arguments, each after a blank and percent-encoded, then "\n", answered "answer CODE\n" and the text, up to the end
// of the connection.
const QByteArray ShowRequest = "show\n";
const QByteArray ShowWithToken = "show ";
const QByteArray ShowAnswer = "shown\n";
const QByteArray CommandRequest = "command";
const QByteArray CommandAnswer = "answer ";
// More than any list of styles: an answer beyond it is no answer of the program's.
constexpr qsizetype MaxAnswerSize = qsizetype(16) * 1024 * 1024;
constexpr int AcceptRetryMs = 500;
constexpr int SetAsideAttempts = 3;

bool privateFolder(const struct stat &status) {
    return S_ISDIR(status.st_mode) && status.st_uid == ::getuid() && (status.st_mode & (S_IRWXG | S_IRWXO)) == 0;
}

// The lock's and the socket's names are the program's own in a folder of the user's own, so whatever stands there is
// removed; a folder may hold something and is only renamed. What took the place of the one \a seen, maybe another
// start's new lock, is left for the caller to look at again.
bool setAside(const char *path, const struct stat &seen) {
    struct stat status {};
    if (::lstat(path, &status) != 0) {
        return errno == ENOENT;
    }
    if (status.st_dev != seen.st_dev || status.st_ino != seen.st_ino) {
        return true;
    }
    qCWarning(lcInstance, "setting aside %s, which is no lock or socket of a running program", path);
    if (!S_ISDIR(status.st_mode)) {
        return ::unlink(path) == 0 || errno == ENOENT;
    }
    const QByteArray aside = path + ".set-aside-"_ba + QByteArray::number(QRandomGenerator::global()->generate(), 16);
    return ::rename(path, aside.constData()) == 0 || errno == ENOENT;
}

std::optional<QStringList> commandArguments(const QByteArray &request) {
    if (!request.startsWith(CommandRequest) || !request.endsWith('\n')) {
        return std::nullopt;
    }
    const QByteArray line = request.sliced(CommandRequest.size()).chopped(1);
    if (line.isEmpty()) {
        return QStringList();
    }
    static const QRegularExpression encoded(u"^( [A-Za-z0-9%._~-]+)+$"_s);
    if (!encoded.match(QString::fromLatin1(line)).hasMatch()) {
        return std::nullopt;
    }
    QStringList arguments;
    for (const QByteArray &argument : line.sliced(1).split(' ')) {
        arguments << QString::fromUtf8(QByteArray::fromPercentEncoding(argument));
    }
    return arguments;
}

std::optional<SingleInstance::Answer> parseAnswer(const QByteArray &received) {
    const qsizetype lineEnd = received.indexOf('\n');
    if (!received.startsWith(CommandAnswer) || lineEnd < 0) {
        return std::nullopt;
    }
    bool ok = false;
    const int code = received.sliced(CommandAnswer.size(), lineEnd - CommandAnswer.size()).toInt(&ok);
    if (!ok) {
        return std::nullopt;
    }
    return SingleInstance::Answer{code, QString::fromUtf8(received.sliced(lineEnd + 1))};
}

} // namespace

SingleInstance::SingleInstance(const QString &folder, QObject *parent)
    : QObject(parent), m_lockPath(folder.isEmpty() ? QString() : folder + u"/somnivox.lock"_s),
      m_socketPath(folder.isEmpty() ? QString() : folder + u"/somnivox.socket"_s) {
    m_acceptRetry.setSingleShot(true);
    m_acceptRetry.setInterval(AcceptRetryMs);
    connect(&m_acceptRetry, &QTimer::timeout, this, &SingleInstance::resumeAccepting);
}

SingleInstance::~SingleInstance() {
    m_folderWatch.reset();
    if (m_listener >= 0) {
        m_incoming.reset();
        ::close(m_listener);
        // Whatever took the socket's place is not this program's to remove.
        if (stillAt(m_socketPath, m_socketId)) {
            ::unlink(QFile::encodeName(m_socketPath).constData());
        }
    }
    // The lock file stays: removing it would let a start that opened it lock a file no later start sees.
    if (m_lockFd >= 0) {
        ::close(m_lockFd);
    }
}

QString SingleInstance::defaultFolder() {
    QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    struct stat status {};
    if (QDir::isAbsolutePath(runtime) && ::stat(QFile::encodeName(runtime).constData(), &status) == 0 &&
        privateFolder(status)) {
        return runtime;
    }
    // Never the root folder, where another start would find no lock of this user's.
    const QString name = u"/somnivox-"_s + QString::number(::getuid());
    for (const QString &parent :
         {QDir::tempPath(), QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)}) {
        if (!QDir::isAbsolutePath(parent) || QDir(parent).isRoot()) {
            continue;
        }
        const QByteArray folder = QFile::encodeName(parent + name);
        ::mkdir(folder.constData(), S_IRWXU);
        // Made by someone else in a shared folder, it is not the user's own.
        if (::lstat(folder.constData(), &status) == 0 && privateFolder(status)) {
            return parent + name;
        }
    }
    return {};
}

bool SingleInstance::isHandOverToken(const QString &token) {
    return !token.isEmpty() && token.size() <= MaxTokenLength &&
           std::all_of(token.cbegin(), token.cend(), [](QChar c) { return c > u' ' && c <= u'~'; });
}

SingleInstance::Role SingleInstance::claim(int patienceMs, const QString &activationToken) {
    const QDeadlineTimer deadline(patienceMs);
    // A token that cannot be handed on is left behind: the window is still asked for.
    const QByteArray request =
        isHandOverToken(activationToken) ? ShowWithToken + activationToken.toLatin1() + '\n' : ShowRequest;
    const auto handOverIn = [&deadline, this](const QByteArray &asked) {
        return handOver(static_cast<int>(qMax<qint64>(deadline.remainingTime(), 0)), asked);
    };
    while (true) {
        // The socket first: a running program answers there whatever became of its lock file, and a new lock file is
        // not the one it holds. An older program closes on a request with a token: it is asked again without one.
        if (handOverIn(request) || (request != ShowRequest && handOverIn(ShowRequest))) {
            return Role::HandedOver;
        }
        switch (lock()) {
        case Lock::Held:
            if (!listen()) {
                qCWarning(lcInstance, "cannot listen on %s: %s", qPrintable(m_socketPath), std::strerror(errno));
            }
            watchGuard();
            return Role::First;
        case Lock::Unusable:
            qCWarning(lcInstance, "cannot lock %s: running without the one-instance guard",
                      m_lockPath.isEmpty() ? "in a folder of the user's own" : qPrintable(m_lockPath));
            return Role::First;
        case Lock::HeldElsewhere:
            break;
        }
        if (deadline.hasExpired()) {
            return Role::NoAnswer;
        }
        // The lock's holder is still starting and not yet listening, or making its socket again.
        QThread::msleep(100);
    }
}

SingleInstance::Lock SingleInstance::lock() {
    if (m_lockPath.isEmpty()) {
        return Lock::Unusable;
    }
    const QByteArray path = QFile::encodeName(m_lockPath);
    for (int attempt = 0; attempt < SetAsideAttempts; ++attempt) {
        // Neither a FIFO nor a device may hold the start: opened without waiting, only a plain file is a lock.
        const int fd =
            ::open(path.constData(), O_RDWR | O_CREAT | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, S_IRUSR | S_IWUSR);
        const int openError = errno;
        struct stat status {};
        if (fd >= 0 && ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) {
            // The kernel ends the lock with its holder, so no lock outlives a program.
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                if (m_lockFd >= 0) {
                    ::close(m_lockFd);
                }
                m_lockFd = fd;
                m_lockId = {status.st_dev, status.st_ino};
                return Lock::Held;
            }
            const bool held = errno == EWOULDBLOCK;
            ::close(fd);
            return held ? Lock::HeldElsewhere : Lock::Unusable;
        }
        if (fd >= 0) {
            ::close(fd);
        } else if (::lstat(path.constData(), &status) != 0) {
            // Nothing stands in the way: the folder itself is unusable.
            return Lock::Unusable;
        } else if (S_ISREG(status.st_mode) && openError != EACCES) {
            // Another start's new lock file, made since the open.
            continue;
        }
        if (!setAside(path.constData(), status)) {
            return Lock::Unusable;
        }
    }
    return Lock::Unusable;
}

bool SingleInstance::listen() {
    sockaddr_un address{};
    if (!localSocketAddress(m_socketPath, address)) {
        errno = ENAMETOOLONG;
        return false;
    }
    // With the lock held, whatever is at the socket's place was left by a program that has ended, or put there since.
    struct stat status {};
    if (::lstat(address.sun_path, &status) == 0 && !setAside(address.sun_path, status)) {
        return false;
    }
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (listener < 0) {
        return false;
    }
    // Only the user may ask for the window.
    if (::bind(listener, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) != 0 ||
        ::chmod(address.sun_path, S_IRUSR | S_IWUSR) != 0 || ::listen(listener, 8) != 0) {
        const int error = errno;
        ::close(listener);
        errno = error;
        return false;
    }
    if (m_listener >= 0) {
        // Connections still queued on the socket that was replaced are refused; their starts ask again.
        m_incoming.reset();
        ::close(m_listener);
    }
    m_socketId = ::lstat(address.sun_path, &status) == 0 ? FileId{status.st_dev, status.st_ino} : FileId{};
    m_listener = listener;
    m_incoming = std::make_unique<QSocketNotifier>(listener, QSocketNotifier::Read);
    connect(m_incoming.get(), &QSocketNotifier::activated, this, &SingleInstance::acceptRequests);
    return true;
}

void SingleInstance::watchGuard() {
    if (m_lockFd < 0) {
        return;
    }
    // The lock's folder rather than the lock and the socket themselves, which a watch would follow to where they
    // were moved, and whose removal would end it.
    m_folderWatch = std::make_unique<QFileSystemWatcher>();
    if (!m_folderWatch->addPath(QFileInfo(m_lockPath).path())) {
        qCWarning(lcInstance, "cannot watch %s: a lock or socket removed will not be made again",
                  qPrintable(m_lockPath));
    }
    connect(m_folderWatch.get(), &QFileSystemWatcher::directoryChanged, this, &SingleInstance::mendGuard);
}

void SingleInstance::mendGuard() {
    if (!stillAt(m_lockPath, m_lockId)) {
        qCWarning(lcInstance, "%s was removed or replaced: locking it again", qPrintable(m_lockPath));
        // Held by another program, the guard is that one's now, and so is the socket.
        if (lock() != Lock::Held) {
            qCWarning(lcInstance, "cannot lock %s again", qPrintable(m_lockPath));
            return;
        }
    }
    if (m_listener >= 0 && !stillAt(m_socketPath, m_socketId)) {
        qCWarning(lcInstance, "%s was removed or replaced: listening again", qPrintable(m_socketPath));
        if (!listen()) {
            qCWarning(lcInstance, "cannot listen on %s again: %s", qPrintable(m_socketPath), std::strerror(errno));
        }
    }
}

bool SingleInstance::stillAt(const QString &path, FileId id) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 && FileId{status.st_dev, status.st_ino} == id;
}

bool SingleInstance::handOver(int waitMs, const QByteArray &request) const {
    sockaddr_un address{};
    if (!localSocketAddress(m_socketPath, address)) {
        return false;
    }
    // The program answers from its event loop, which a first start reaches only after loading its settings.
    LocalSocketClient program{QDeadlineTimer(waitMs)};
    return program.connectTo(address, sizeof address) && program.send(request) && program.receive(true) == ShowAnswer;
}

SingleInstance::Delivery SingleInstance::sendCommand(const QStringList &arguments, int waitMs, Answer &answer) const {
    QByteArray request = CommandRequest;
    for (const QString &argument : arguments) {
        request += ' ' + argument.toUtf8().toPercentEncoding();
    }
    request += '\n';
    sockaddr_un address{};
    if (!localSocketAddress(m_socketPath, address)) {
        return Delivery::NotRunning;
    }
    const QDeadlineTimer deadline(waitMs);
    while (true) {
        LocalSocketClient program{deadline};
        if (program.connectTo(address, sizeof address)) {
            QByteArray received;
            if (program.send(request)) {
                // The answer ends with the connection.
                for (QByteArray more; !(more = program.receive(false)).isEmpty() && received.size() < MaxAnswerSize;) {
                    received += more;
                }
            }
            const std::optional<Answer> answered = program.timedOut() ? std::nullopt : parseAnswer(received);
            if (answered) {
                answer = *answered;
                return Delivery::Answered;
            }
            return Delivery::NoAnswer;
        }
        if (program.timedOut()) {
            return Delivery::NoAnswer;
        }
        // Nobody listens: a program still starting holds the lock already.
        if (!lockHeldElsewhere()) {
            return Delivery::NotRunning;
        }
        if (deadline.hasExpired()) {
            return Delivery::NoAnswer;
        }
        QThread::msleep(100);
    }
}

bool SingleInstance::lockHeldElsewhere() const {
    // Only looked at: neither made nor kept, and a shared lock stands in no start's way for longer than this look.
    const int fd = ::open(QFile::encodeName(m_lockPath).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat status {};
    const bool held = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && ::flock(fd, LOCK_SH | LOCK_NB) != 0 &&
                      errno == EWOULDBLOCK;
    ::close(fd);
    return held;
}

void SingleInstance::acceptRequests() {
    while (m_requests < MaxRequests) {
        const int fd = ::accept4(m_listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK);
        if (fd >= 0) {
            serve(fd);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED) {
            continue;
        }
        // Out of files the connection stays queued, and the listener would report it at once again.
        if (errno != EAGAIN && errno != EWOULDBLOCK) {
            m_incoming->setEnabled(false);
            m_acceptRetry.start();
        }
        return;
    }
    // The listener's queue holds the rest until a request ends.
    m_incoming->setEnabled(false);
}

void SingleInstance::resumeAccepting() {
    if (m_incoming && m_requests < MaxRequests && !m_acceptRetry.isActive()) {
        m_incoming->setEnabled(true);
    }
}

void SingleInstance::serve(int fd) {
    ++m_requests;
    auto *request = new QSocketNotifier(fd, QSocketNotifier::Read, this);
    connect(request, &QObject::destroyed, [fd] { ::close(fd); });
    auto *patience = new QTimer(request);
    patience->setSingleShot(true);
    auto ended = std::make_shared<bool>(false);
    const auto end = [this, request, patience, ended] {
        if (std::exchange(*ended, true)) {
            return;
        }
        patience->stop();
        request->setEnabled(false);
        // An answer's writing as well: the socket is closed with the request.
        for (QSocketNotifier *writing : request->findChildren<QSocketNotifier *>()) {
            writing->setEnabled(false);
        }
        request->deleteLater();
        --m_requests;
        resumeAccepting();
    };
    // A client that keeps silent, or does not read its answer, must not hold one of the few places.
    connect(patience, &QTimer::timeout, request, end);
    auto received = std::make_shared<QByteArray>();
    connect(request, &QSocketNotifier::activated, request, [this, fd, request, patience, received, ended, end] {
        std::array<char, 512> chunk{};
        const ssize_t got = ::recv(fd, chunk.data(), chunk.size(), 0);
        if (got < 0 && (errno == EAGAIN || errno == EINTR)) {
            return;
        }
        received->append(chunk.data(), qMax<ssize_t>(got, 0));
        // A whole line, a closed connection, or more than a request holds ends the exchange.
        if (got > 0 && !received->contains('\n') && received->size() < MaxRequestSize) {
            return;
        }
        const std::optional<QStringList> command = commandArguments(*received);
        if (command && m_commandHandler) {
            // The command may open a message box, whose event loop must not serve this request again.
            patience->stop();
            request->setEnabled(false);
            // An answer that waits on something (the outputs being listed) is bounded as a silent client is.
            const QPointer<QSocketNotifier> open(request);
            auto replied = std::make_shared<bool>(false);
            m_commandHandler(*command, [fd, open, patience, ended, end, replied](const Answer &answer) {
                if (!open || *ended || std::exchange(*replied, true)) {
                    return;
                }
                patience->start(RequestMs);
                sendAnswer(fd, open, CommandAnswer + QByteArray::number(answer.exitCode) + '\n' + answer.text.toUtf8(),
                           end);
            });
            if (!*replied) {
                patience->start(RequestMs);
            }
            return;
        }
        const QString token = received->startsWith(ShowWithToken) && received->endsWith('\n')
                                  ? QString::fromLatin1(received->sliced(ShowWithToken.size()).chopped(1))
                                  : QString();
        const bool show = *received == ShowRequest || isHandOverToken(token);
        if (show) {
            ::send(fd, ShowAnswer.constData(), std::size_t(ShowAnswer.size()), MSG_NOSIGNAL);
        }
        end();
        if (show) {
            Q_EMIT activationRequested(token);
        }
    });
    patience->start(RequestMs);
}

void SingleInstance::sendAnswer(int fd, QObject *request, const QByteArray &answer, const std::function<void()> &end) {
    // A long answer (a long list of styles) goes out as the client reads it, never waited for.
    auto *writable = new QSocketNotifier(fd, QSocketNotifier::Write, request);
    auto done = std::make_shared<qsizetype>(0);
    const auto sendMore = [fd, answer, done, end] {
        while (*done < answer.size()) {
            const ssize_t sent =
                ::send(fd, answer.constData() + *done, std::size_t(answer.size() - *done), MSG_NOSIGNAL);
            if (sent < 0 && errno == EINTR) {
                continue;
            }
            if (sent < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
                return;
            }
            if (sent < 0) {
                break;
            }
            *done += sent;
        }
        end();
    };
    connect(writable, &QSocketNotifier::activated, writable, sendMore);
    sendMore();
}
