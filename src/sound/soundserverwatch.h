#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QFileSystemWatcher;

/// Tells when the folder of the sound server's socket changes, the first sign that a server has started: PulseAudio
/// and PipeWire's pulse server make their socket in `$XDG_RUNTIME_DIR/pulse` (`$PULSE_RUNTIME_PATH` when set, the
/// folder of a `unix:` address in `$PULSE_SERVER` when that is set). While the folder is missing its parent is
/// watched instead. The watch is kernel notification: nothing is polled.
class SoundServerWatch final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SoundServerWatch)

public:
    explicit SoundServerWatch(QObject *parent = nullptr);
    ~SoundServerWatch() override;

    /// Begins watching; harmless while watching.
    void start();
    void stop();

Q_SIGNALS:
    void changed();

private:
    void watchNearestFolder();

    QString m_folder;
    std::unique_ptr<QFileSystemWatcher> m_watcher;
};
