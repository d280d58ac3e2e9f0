#pragma once

#include "outputdevices.h"
#include "soundserverwatch.h"

#include <QTimer>

#include <memory>

class PipelineWorker;

/// The outputs that GStreamer's device monitor finds (class "Audio/Sink"): with PulseAudio or PipeWire's pulse server,
/// the server's sinks, named by their sink names.
///
/// Starting and stopping the monitor may wait on the server (up to half a minute for one that accepts and never
/// answers), so both run on a thread of the list's own, and what the monitor tells arrives as queued events on the
/// owner's thread. The monitor is started again whenever the server's socket folder changes while a server listens
/// there, and stopped, the list emptied, when nothing listens there any more. A server seen starting is looked at a
/// few times more within seconds, since it makes its socket a moment before it listens and answers.
class GstOutputDevices final : public OutputDevices {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GstOutputDevices)

public:
    explicit GstOutputDevices(QObject *parent = nullptr);
    ~GstOutputDevices() override;

    void watch() override;
    bool isKnown() const override { return m_known; }
    QList<OutputDevice> devices() const override { return m_devices; }

private:
    struct Monitor;
    /// Idle until watched; Starting while the monitor starts on the worker; Listing while it runs; Unanswered while
    /// no server answered its start or the server's socket refuses, until the server's folder changes.
    enum class State { Idle, Starting, Listing, Unanswered };

    void startMonitor();
    void stopMonitor();
    void serverChanged();
    void unanswered();
    void listed(quint64 serial, const QList<OutputDevice> &devices, bool started);
    void add(quint64 serial, const OutputDevice &device);
    void remove(quint64 serial, const QString &name);
    void setDevices(const QList<OutputDevice> &devices);

    SoundServerWatch m_serverWatch;
    std::unique_ptr<PipelineWorker> m_worker;
    std::shared_ptr<Monitor> m_monitor;
    QList<OutputDevice> m_devices;
    quint64 m_serial = 0;
    State m_state = State::Idle;
    QTimer m_lookAgain;
    int m_looksLeft = 0;
    bool m_known = false;
};
