#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;

/// A private session bus (dbus-daemon) at a fixed address, so that one started again is met where the last one was.
class PrivateBus {
public:
    PrivateBus() : m_address(u"unix:path="_s + m_folder.filePath(u"bus"_s)) {}
    ~PrivateBus() { stop(); }
    Q_DISABLE_COPY_MOVE(PrivateBus)

    QString address() const { return m_address; }
    /// Starts the daemon and waits until it listens.
    bool start() {
        m_daemon.start(u"dbus-daemon"_s,
                       {u"--session"_s, u"--nofork"_s, u"--print-address"_s, u"--address="_s + m_address});
        return m_daemon.waitForReadyRead(10'000);
    }
    void stop() {
        m_daemon.terminate();
        m_daemon.waitForFinished(10'000);
    }

private:
    QTemporaryDir m_folder;
    QString m_address;
    QProcess m_daemon;
};
