#include "soundfolderwatch.h"

#include <QDir>
#include <QFileInfo>

SoundFolderWatch::SoundFolderWatch(const QString &folder, QObject *parent) : QObject(parent), m_folder(folder) {
    QDir().mkpath(m_folder);
    watch();
    // The folder's parent tells of the folder itself going and coming back.
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, [this] {
        watch();
        Q_EMIT changed();
    });
}

void SoundFolderWatch::watch() {
    for (const QString &path : {QFileInfo(m_folder).absolutePath(), m_folder}) {
        if (!m_watcher.directories().contains(path) && QFileInfo(path).isDir()) {
            m_watcher.addPath(path);
        }
    }
}
