#include "gstoutputsink.h"

#include <gst/audio/audio.h>
#include <gst/base/gstbasesink.h>

#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <array>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

// What every pipeline plays through: the source and the conversion. The pulse sink's plugin comes when the
// default output is first asked for.
constexpr std::array PipelinePlugins{"coreelements", "app", "audioconvert"};
constexpr const char *PulsePlugin = "pulseaudio";

QByteArray pluginFile(const char *name) {
    return QByteArrayLiteral(SOMNIVOX_GST_PLUGINS_DIR "/libgst") + name + ".so";
}

// Where the user has set GStreamer's own plugin or registry paths, GStreamer is left to them.
bool userSetsRegistry() {
    for (const char *name : {"GST_PLUGIN_PATH", "GST_PLUGIN_PATH_1_0", "GST_PLUGIN_SYSTEM_PATH",
                             "GST_PLUGIN_SYSTEM_PATH_1_0", "GST_REGISTRY", "GST_REGISTRY_1_0"}) {
        if (qEnvironmentVariableIsSet(name)) {
            return true;
        }
    }
    return false;
}

bool installed(const char *plugin) {
    return QFile::exists(QFile::decodeName(pluginFile(plugin)));
}

// Set while only the plugins the program plays through are registered.
bool someRegistered = false;

void registerEverything() {
    gst_registry_scan_path(gst_registry_get(), SOMNIVOX_GST_PLUGINS_DIR);
    someRegistered = false;
}

// Loads one plugin into the registry, or failing that registers every installed one.
void registerPlugin(const char *name) {
    GError *error = nullptr;
    GstPlugin *plugin = gst_plugin_load_file(pluginFile(name).constData(), &error);
    if (!plugin) {
        qWarning("GStreamer plugin %s unusable (%s): looking through every installed plugin", name,
                 error ? error->message : "unknown error");
        g_clear_error(&error);
        registerEverything();
        return;
    }
    gst_object_unref(plugin);
}

template<typename Visit>
void forEachElement(GstElement *bin, Visit visit) {
    GstIterator *elements = gst_bin_iterate_recurse(GST_BIN(bin));
    GValue item = G_VALUE_INIT;
    while (gst_iterator_next(elements, &item) == GST_ITERATOR_OK) {
        visit(GST_ELEMENT(g_value_get_object(&item)));
        g_value_reset(&item);
    }
    g_value_unset(&item);
    gst_iterator_free(elements);
}

} // namespace

namespace GstOutputSink {

// A registry of every installed plugin takes about 1.3 MB while the sound plays, and GStreamer rebuilds it (about
// 100 ms) in every home that has none yet: only the plugins the program plays through are registered.
void initGStreamer() {
    if (gst_is_initialized()) {
        return;
    }
    const bool some = !userSetsRegistry() && installed(PulsePlugin) &&
                      std::all_of(PipelinePlugins.begin(), PipelinePlugins.end(), installed);
    if (some) {
        // Nothing is scanned, and the registry file is the program's own, so the one other programs share stays as
        // it is. The variables go again before anything could start a program that inherits them.
        qputenv("GST_PLUGIN_SYSTEM_PATH_1_0", QByteArray());
        qputenv("GST_REGISTRY_1_0",
                QFile::encodeName(QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) +
                                  u"/somnivox/gstreamer-registry.bin"_s));
    }
    GError *error = nullptr;
    const bool started = gst_init_check(nullptr, nullptr, &error);
    if (some) {
        qunsetenv("GST_PLUGIN_SYSTEM_PATH_1_0");
        qunsetenv("GST_REGISTRY_1_0");
    }
    if (!started) {
        const std::string reason = error ? error->message : "unknown error";
        g_clear_error(&error);
        throw std::runtime_error("GStreamer cannot start: " + reason);
    }
    someRegistered = some;
    for (const char *name : PipelinePlugins) {
        if (someRegistered) {
            registerPlugin(name);
        }
    }
    // The streaming threads of a stopped pipeline end at once instead of idling in GLib's pool, where they wake
    // now and then through an outage or a night turned off.
    g_thread_pool_set_max_unused_threads(0);
}

bool registerEveryPlugin() {
    if (!someRegistered) {
        return false;
    }
    registerEverything();
    return true;
}

// pulsesink reaches PulseAudio and PipeWire's pulse server alike and, unlike autoaudiosink, fails when no server
// answers instead of settling on a fake sink.
QString defaultDescription() {
    initGStreamer();
    if (someRegistered) {
        GstPlugin *pulse = gst_registry_find_plugin(gst_registry_get(), PulsePlugin);
        if (pulse) {
            gst_object_unref(pulse);
        } else {
            registerPlugin(PulsePlugin);
        }
    }
    GstElementFactory *pulse = gst_element_factory_find(Pulse.toUtf8().constData());
    if (!pulse) {
        return u"autoaudiosink"_s;
    }
    gst_object_unref(pulse);
    return Pulse;
}

// The stream's title (media.name) is not among these: the sink names the stream itself, from a title tag.
void nameStream(GstElement *sink) {
    forEachElement(sink, [](GstElement *element) {
        GObjectClass *type = G_OBJECT_GET_CLASS(element);
        if (g_object_class_find_property(type, "stream-properties")) {
            GstStructure *properties =
                gst_structure_new("props", "application.name", G_TYPE_STRING, "Somnivox Noise Player", "application.id",
                                  G_TYPE_STRING, "org.vantrelle.Somnivox", "application.icon_name", G_TYPE_STRING,
                                  "somnivox", "media.role", G_TYPE_STRING, "music", nullptr);
            g_object_set(element, "stream-properties", properties, nullptr);
            gst_structure_free(properties);
        }
        if (g_object_class_find_property(type, "client-name")) {
            g_object_set(element, "client-name", "Somnivox Noise Player", nullptr);
        }
        // The volume acts on the server at once whatever it holds ahead; the player drops what it holds to make a
        // change of pitch heard at once.
        if (g_object_class_find_property(type, "latency-time") &&
            g_object_class_find_property(type, "stream-properties")) {
            g_object_set(element, "buffer-time", ServerHoldsUs, "latency-time", ServerRequestUs, nullptr);
        }
    });
}

void setDevice(GstElement *sink, const QByteArray &device) {
    forEachElement(sink, [&device](GstElement *element) {
        GstElementFactory *factory = gst_element_get_factory(element);
        if (factory && Pulse == QLatin1StringView(gst_plugin_feature_get_name(factory))) {
            g_object_set(element, "device", device.isEmpty() ? nullptr : device.constData(), nullptr);
        }
    });
}

bool playsEachBufferOnTime(GstElement *sink) {
    bool audioSink = false;
    bool syncs = false;
    forEachElement(sink, [&](GstElement *element) {
        audioSink = audioSink || GST_IS_AUDIO_BASE_SINK(element);
        syncs = syncs || (GST_IS_BASE_SINK(element) && gst_base_sink_get_sync(GST_BASE_SINK(element)));
    });
    return syncs && !audioSink;
}

bool isFake(GstElement *sink) {
    bool found = false;
    forEachElement(sink, [&found](GstElement *element) {
        GstElementFactory *factory = gst_element_get_factory(element);
        found = found || (factory && qstrcmp(gst_plugin_feature_get_name(factory), "fakesink") == 0);
    });
    return found;
}

bool mayWait(GstElement *sink) {
    bool audio = false;
    forEachElement(sink, [&audio](GstElement *element) {
        GstElementFactory *factory = gst_element_get_factory(element);
        audio =
            audio || (factory && gst_element_factory_list_is_type(factory, GST_ELEMENT_FACTORY_TYPE_SINK |
                                                                               GST_ELEMENT_FACTORY_TYPE_MEDIA_AUDIO));
    });
    return audio;
}

} // namespace GstOutputSink
