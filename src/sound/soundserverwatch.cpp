#include "soundserverwatch.h"

#include "localsocketclient.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>

using namespace Qt::StringLiterals;

namespace {

QString socketPath() {
    const QString server = qEnvironmentVariable("PULSE_SERVER");
    if (!server.isEmpty()) {
        // A network address or a list of addresses: the server is not known by a socket of its own.
        return server.startsWith(u"unix:"_s) && !server.contains(u' ') ? server.mid(5) : QString();
    }
    const QString runtime = qEnvironmentVariable("PULSE_RUNTIME_PATH");
    if (!runtime.isEmpty()) {
        return runtime + u"/native"_s;
    }
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return xdg.isEmpty() ? QString() : xdg + u"/pulse/native"_s;
}

} // namespace

SoundServerWatch::SoundServerWatch(QObject *parent) : QObject(parent), m_socket(socketPath()) {}

SoundServerWatch::~SoundServerWatch() = default;

void SoundServerWatch::start() {
    if (!m_watcher) {
        m_watcher = std::make_unique<QFileSystemWatcher>();
        connect(m_watcher.get(), &QFileSystemWatcher::directoryChanged, this, [this] {
            watchNearestFolder();
            Q_EMIT changed();
        });
    }
    if (m_watcher->directories().isEmpty()) {
        watchNearestFolder();
    }
}

void SoundServerWatch::stop() {
    if (m_watcher && !m_watcher->directories().isEmpty()) {
        m_watcher->removePaths(m_watcher->directories());
    }
}

bool SoundServerWatch::serverAbsent() const {
    sockaddr_un address{};
    if (!localSocketAddress(m_socket, address)) {
        return false;
    }
    const int probe = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (probe < 0) {
        return false;
    }
    const bool refused = ::connect(probe, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0 &&
                         (errno == ECONNREFUSED || errno == ENOENT);
    ::close(probe);
    return refused;
}

void SoundServerWatch::watchNearestFolder() {
    if (m_socket.isEmpty()) {
        return;
    }
    // The socket's own folder once the server has made it, else its parent.
    const QFileInfo folder(QFileInfo(m_socket).path());
    const QString nearest = folder.isDir() ? folder.filePath() : folder.path();
    const QStringList watched = m_watcher->directories();
    if (watched == QStringList{nearest}) {
        return;
    }
    if (!watched.isEmpty()) {
        m_watcher->removePaths(watched);
    }
    if (QFileInfo(nearest).isDir()) {
        m_watcher->addPath(nearest);
    }
}
