#include "gstoutputdevices.h"

#include "gstoutputsink.h"
#include "gstref.h"
#include "pipelineworker.h"

#include <QLoggingCategory>
#include <QMetaObject>

#include <functional>
#include <mutex>

using namespace Qt::StringLiterals;

namespace {

Q_LOGGING_CATEGORY(lcDevices, "somnivox.outputs")

QString takeText(gchar *text) {
    QString converted = QString::fromUtf8(text);
    g_free(text);
    return converted;
}

// A pulse device carries its sink's name as "internal-name"; other providers' devices, in their properties.
OutputDevice describe(GstDevice *device) {
    OutputDevice described{{}, takeText(gst_device_get_display_name(device))};
    if (g_object_class_find_property(G_OBJECT_GET_CLASS(device), "internal-name")) {
        gchar *name = nullptr;
        g_object_get(device, "internal-name", &name, nullptr);
        described.name = takeText(name);
    }
    if (GstStructure *properties = gst_device_get_properties(device)) {
        for (const char *key : {"node.name", "device.name"}) {
            if (const gchar *name = gst_structure_get_string(properties, key); described.name.isEmpty() && name) {
                described.name = QString::fromUtf8(name);
            }
        }
        gst_structure_free(properties);
    }
    if (described.name.isEmpty()) {
        described.name = described.description;
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
        try {
            // The pulse plugin, which brings the pulse server's device provider, is registered with the default sink.
            GstOutputSink::defaultDescription();
            monitor = GstRef<GstDeviceMonitor>::adopt(gst_device_monitor_new());
            gst_device_monitor_add_filter(monitor.get(), "Audio/Sink", nullptr);
            bus = GstRef<GstBus>::adopt(gst_device_monitor_get_bus(monitor.get()));
            gst_bus_set_sync_handler(bus.get(), &Monitor::busMessage, this, nullptr);
            started = gst_device_monitor_start(monitor.get());
        } catch (const std::exception &e) {
            qCWarning(lcDevices) << e.what();
        }
        if (started) {
            GList *devices = gst_device_monitor_get_devices(monitor.get());
            for (GList *each = devices; each != nullptr; each = each->next) {
                found.append(describe(GST_DEVICE(each->data)));
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
            self->post([serial = self->serial, found = describe(device)](GstOutputDevices *owner) {
                owner->add(serial, found);
            });
            break;
        case GST_MESSAGE_DEVICE_REMOVED:
            gst_message_parse_device_removed(message, &device);
            self->post([serial = self->serial, name = describe(device).name](GstOutputDevices *owner) {
                owner->remove(serial, name);
            });
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
    connect(&m_serverWatch, &SoundServerWatch::changed, this, &GstOutputDevices::serverChanged);
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

// A server that went leaves its outputs behind in the monitor: they go with it, and a server that came is listed
// afresh.
void GstOutputDevices::serverChanged() {
    if (m_serverWatch.serverAbsent()) {
        if (m_state != State::Unanswered) {
            stopMonitor();
            m_state = State::Unanswered;
            setDevices({});
        }
    } else if (m_state == State::Unanswered) {
        startMonitor();
    }
}

void GstOutputDevices::listed(quint64 serial, const QList<OutputDevice> &devices, bool started) {
    if (serial != m_serial) {
        return;
    }
    m_state = started ? State::Listing : State::Unanswered;
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
