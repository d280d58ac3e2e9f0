#include "gstoutputdevices.h"

#include "gstoutputsink.h"
#include "gstref.h"
#include "pipelineworker.h"

#include <QLoggingCategory>
#include <QMetaObject>
#include <QTimer>

#include <functional>
#include <mutex>
#include <optional>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

Q_LOGGING_CATEGORY(lcDevices, "somnivox.outputs")

// A server seen starting may have made its socket and not yet listen on it, or not yet answer: looked at again this
// often, this many times, after each change of its folder.
constexpr std::chrono::milliseconds LookAgainAfter{1000};
constexpr int LooksAfterASign = 3;

QString takeText(gchar *text) {
    QString converted = QString::fromUtf8(text);
    g_free(text);
    return converted;
}

// Only the pulse server's sinks can be played through, by pulsesink: a pulse device carries its sink's name as
// "internal-name". Another provider's device (ALSA's, where every plugin is registered) has no such name.
std::optional<OutputDevice> describe(GstDevice *device) {
    if (!g_object_class_find_property(G_OBJECT_GET_CLASS(device), "internal-name")) {
        return std::nullopt;
    }
    gchar *name = nullptr;
    g_object_get(device, "internal-name", &name, nullptr);
    OutputDevice described{takeText(name), takeText(gst_device_get_display_name(device))};
    if (described.name.isEmpty()) {
        return std::nullopt;
    }
    return described;
}

} // namespace

// Built by the owner; started, stopped and destroyed only on the worker. What it tells reaches the owner queued,
// unless the owner has forgotten it.
struct GstOutputDevices::Monitor {
    Monitor(GstOutputDevices *owner, quint64 serial) : serial(serial), owner(owner) {}
    ~Monitor() {
        if (bus) {
            gst_bus_set_sync_handler(bus.get(), nullptr, nullptr, nullptr);
        }
        if (started) {
            gst_device_monitor_stop(monitor.get());
        }
    }
    Q_DISABLE_COPY_MOVE(Monitor)

    void post(std::function<void(GstOutputDevices *)> tell) {
        const std::lock_guard lock(mutex);
        if (owner) {
            QMetaObject::invokeMethod(
                owner, [owner = owner, tell = std::move(tell)] { tell(owner); }, Qt::QueuedConnection);
        }
    }
    void forget() {
        const std::lock_guard lock(mutex);
        owner = nullptr;
    }

    void start() {
        QList<OutputDevice> found;
        monitor = GstRef<GstDeviceMonitor>::adopt(gst_device_monitor_new());
        gst_device_monitor_add_filter(monitor.get(), "Audio/Sink", nullptr);
        bus = GstRef<GstBus>::adopt(gst_device_monitor_get_bus(monitor.get()));
        gst_bus_set_sync_handler(bus.get(), &Monitor::busMessage, this, nullptr);
        started = gst_device_monitor_start(monitor.get());
        if (started) {
            GList *devices = gst_device_monitor_get_devices(monitor.get());
            for (GList *each = devices; each != nullptr; each = each->next) {
                if (const std::optional<OutputDevice> device = describe(GST_DEVICE(each->data))) {
                    found.append(*device);
                }
            }
            g_list_free_full(devices, gst_object_unref);
        }
        post([serial = serial, found, started = started](GstOutputDevices *owner) {
            owner->listed(serial, found, started);
        });
    }

    static GstBusSyncReply busMessage(GstBus *, GstMessage *message, gpointer data) {
        auto *self = static_cast<Monitor *>(data);
        GstDevice *device = nullptr;
        switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_DEVICE_ADDED:
            gst_message_parse_device_added(message, &device);
            if (const std::optional<OutputDevice> found = describe(device)) {
                self->post(
                    [serial = self->serial, found = *found](GstOutputDevices *owner) { owner->add(serial, found); });
            }
            break;
        case GST_MESSAGE_DEVICE_REMOVED:
            gst_message_parse_device_removed(message, &device);
            if (const std::optional<OutputDevice> gone = describe(device)) {
                self->post([serial = self->serial, name = gone->name](GstOutputDevices *owner) {
                    owner->remove(serial, name);
                });
            }
            break;
        default:
            break;
        }
        if (device) {
            gst_object_unref(device);
        }
        gst_message_unref(message);
        return GST_BUS_DROP;
    }

    const quint64 serial;
    GstRef<GstDeviceMonitor> monitor;
    GstRef<GstBus> bus;
    bool started = false;

private:
    std::mutex mutex;
    GstOutputDevices *owner;
};

GstOutputDevices::GstOutputDevices(QObject *parent)
    : OutputDevices(parent), m_worker(std::make_unique<PipelineWorker>(true)) {
    connect(&m_serverWatch, &SoundServerWatch::changed, this, [this] {
        m_looksLeft = LooksAfterASign;
        serverChanged();
    });
    m_lookAgain.setSingleShot(true);
    m_lookAgain.setInterval(LookAgainAfter);
    connect(&m_lookAgain, &QTimer::timeout, this, &GstOutputDevices::serverChanged);
}

// A monitor stuck on a hung server is not waited for beyond the worker's bound.
GstOutputDevices::~GstOutputDevices() {
    stopMonitor();
    m_worker.reset();
}

void GstOutputDevices::watch() {
    if (m_state != State::Idle) {
        return;
    }
    m_serverWatch.start();
    startMonitor();
}

void GstOutputDevices::startMonitor() {
    // GStreamer is set up, and the pulse plugin that brings the server's device provider registered, on the owner's
    // thread, where the player does the same.
    try {
        GstOutputSink::defaultDescription();
    } catch (const std::runtime_error &e) {
        qCWarning(lcDevices) << "the outputs cannot be listed:" << e.what();
        m_state = State::Unanswered;
        setDevices({});
        return;
    }
    m_state = State::Starting;
    m_monitor = std::make_shared<Monitor>(this, ++m_serial);
    m_worker->post([monitor = m_monitor] { monitor->start(); });
}

void GstOutputDevices::stopMonitor() {
    if (m_monitor) {
        m_monitor->forget();
        m_worker->post([monitor = std::move(m_monitor)]() mutable { monitor.reset(); });
    }
}

// The socket's folder changes only as a server starts or ends. A server that went leaves its outputs behind in the
// monitor: they go with it. Any other change may be a server that replaced it meanwhile, whose outputs are listed
// afresh.
void GstOutputDevices::serverChanged() {
    stopMonitor();
    if (!m_serverWatch.serverAbsent()) {
        startMonitor();
    } else {
        unanswered();
    }
}

void GstOutputDevices::unanswered() {
    if (m_state != State::Unanswered) {
        m_state = State::Unanswered;
        setDevices({});
    }
    if (m_looksLeft > 0) {
        --m_looksLeft;
        m_lookAgain.start();
    }
}

void GstOutputDevices::listed(quint64 serial, const QList<OutputDevice> &devices, bool started) {
    if (serial != m_serial) {
        return;
    }
    if (!started) {
        qCInfo(lcDevices) << "no sound server lists its outputs: only the default output is offered";
        unanswered();
        return;
    }
    m_state = State::Listing;
    setDevices(devices);
}

void GstOutputDevices::add(quint64 serial, const OutputDevice &device) {
    if (serial != m_serial || m_state != State::Listing) {
        return;
    }
    QList<OutputDevice> devices = m_devices;
    devices.removeIf([&device](const OutputDevice &listed) { return listed.name == device.name; });
    devices.append(device);
    setDevices(devices);
}

void GstOutputDevices::remove(quint64 serial, const QString &name) {
    if (serial != m_serial || m_state != State::Listing) {
        return;
    }
    QList<OutputDevice> devices = m_devices;
    devices.removeIf([&name](const OutputDevice &listed) { return listed.name == name; });
    setDevices(devices);
}

void GstOutputDevices::setDevices(const QList<OutputDevice> &devices) {
    const bool wasKnown = std::exchange(m_known, true);
    if (wasKnown && devices == m_devices) {
        return;
    }
    m_devices = devices;
    Q_EMIT changed();
}
