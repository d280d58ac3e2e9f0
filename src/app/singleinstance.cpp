#include "singleinstance.h"

#include <QDeadlineTimer>
#include <QLocalSocket>
#include <QLoggingCategory>
#include <QStandardPaths>
#include <QThread>

using namespace Qt::StringLiterals;

Q_LOGGING_CATEGORY(lcInstance, "somnivox.instance")

namespace {

const QByteArray ShowRequest = "show\n";
const QByteArray ShowAnswer = "shown\n";

} // namespace

SingleInstance::SingleInstance(const QString &folder, QObject *parent)
    : QObject(parent), m_lock(folder + u"/somnivox.lock"_s), m_socketPath(folder + u"/somnivox.socket"_s) {
    // Only a lock whose process has ended is taken over, however old it is.
    m_lock.setStaleLockTime(0);
    connect(&m_server, &QLocalServer::newConnection, this, &SingleInstance::answer);
}

QString SingleInstance::defaultFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

SingleInstance::Role SingleInstance::claim(int patienceMs) {
    const QDeadlineTimer deadline(patienceMs);
    while (true) {
        if (m_lock.tryLock(0)) {
            // A socket left by a killed program would refuse the listen.
            QLocalServer::removeServer(m_socketPath);
            m_server.setSocketOptions(QLocalServer::UserAccessOption);
            if (!m_server.listen(m_socketPath)) {
                qCWarning(lcInstance, "cannot listen on %s: %s", qPrintable(m_socketPath),
                          qPrintable(m_server.errorString()));
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

bool SingleInstance::handOver(int waitMs) const {
    QLocalSocket socket;
    socket.connectToServer(m_socketPath);
    if (!socket.waitForConnected(qMin(waitMs, 1000))) {
        return false;
    }
    socket.write(ShowRequest);
    // The program answers from its event loop, which a first start reaches only after loading its settings.
    const QDeadlineTimer deadline(waitMs);
    while (!socket.canReadLine()) {
        if (deadline.hasExpired() || !socket.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) {
            return false;
        }
    }
    return socket.readLine() == ShowAnswer;
}

void SingleInstance::answer() {
    while (QLocalSocket *socket = m_server.nextPendingConnection()) {
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
            if (!socket->canReadLine()) {
                return;
            }
            if (socket->readLine() == ShowRequest) {
                Q_EMIT activationRequested();
                socket->write(ShowAnswer);
            }
            socket->disconnectFromServer();
        });
    }
}
