#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QFileSystemWatcher;

/// Watches for a sound server to come up: PulseAudio and PipeWire's pulse server listen on the socket `native` in
/// `$XDG_RUNTIME_DIR/pulse` (`$PULSE_RUNTIME_PATH` when set; the address in `$PULSE_SERVER` when that is a `unix:`
/// one). A change in the socket's folder, the first sign of a starting server, is told at once; while the folder is
/// missing its parent is watched instead. The watch is kernel notification: nothing is polled.
class SoundServerWatch final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SoundServerWatch)

public:
    explicit SoundServerWatch(QObject *parent = nullptr);
    ~SoundServerWatch() override;

    /// Begins watching; harmless while watching.
    void start();
    void stop();
    /// True when the socket is known and nothing accepts a connection on it: opening an output would fail. A server
    /// reached another way (a network address) is never reported absent.
    bool serverAbsent() const;

Q_SIGNALS:
    void changed();

private:
    void watchNearestFolder();

    QString m_socket;
    std::unique_ptr<QFileSystemWatcher> m_watcher;
};
