#include "soundserverwatch.h"

#include <QFileInfo>
#include <QFileSystemWatcher>

using namespace Qt::StringLiterals;

namespace {

QString socketFolder() {
    const QString server = qEnvironmentVariable("PULSE_SERVER");
    if (server.startsWith(u"unix:"_s)) {
        return QFileInfo(server.mid(5)).absolutePath();
    }
    const QString runtime = qEnvironmentVariable("PULSE_RUNTIME_PATH");
    if (!runtime.isEmpty()) {
        return runtime;
    }
    const QString xdg = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return xdg.isEmpty() ? QString() : xdg + u"/pulse"_s;
}

} // namespace

SoundServerWatch::SoundServerWatch(QObject *parent) : QObject(parent) {}

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
        m_folder = socketFolder();
        watchNearestFolder();
    }
}

void SoundServerWatch::stop() {
    if (m_watcher && !m_watcher->directories().isEmpty()) {
        m_watcher->removePaths(m_watcher->directories());
    }
}

void SoundServerWatch::watchNearestFolder() {
    if (m_folder.isEmpty()) {
        return;
    }
    const QFileInfo folder(m_folder);
    const QString nearest = folder.isDir() ? m_folder : folder.path();
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
