#pragma once

#include <QFileSystemWatcher>
#include <QObject>
#include <QString>

/// Tells when files come into or leave a sounds folder, whoever puts them there or takes them away. The folder is
/// made when missing, and watched again when it is made anew.
class SoundFolderWatch : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SoundFolderWatch)

public:
    explicit SoundFolderWatch(const QString &folder, QObject *parent = nullptr);
    ~SoundFolderWatch() override = default;

Q_SIGNALS:
    void changed();

private:
    void watch();

    QString m_folder;
    QFileSystemWatcher m_watcher;
};
