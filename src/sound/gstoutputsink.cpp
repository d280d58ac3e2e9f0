#include "gstoutputsink.h"

#include <gst/audio/audio.h>
#include <gst/base/gstbasesink.h>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

// How much audio a pulse sink's server asks for at a time.
constexpr gint64 LatencyTimeUs = 50000;

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

void initGStreamer() {
    GError *error = nullptr;
    if (!gst_init_check(nullptr, nullptr, &error)) {
        const std::string reason = error ? error->message : "unknown error";
        g_clear_error(&error);
        throw std::runtime_error("GStreamer cannot start: " + reason);
    }
    // The streaming threads of a stopped pipeline end at once instead of idling in GLib's pool, where they wake
    // now and then through an outage or a night turned off.
    g_thread_pool_set_max_unused_threads(0);
}

// pulsesink reaches PulseAudio and PipeWire's pulse server alike and, unlike autoaudiosink, fails when no server
// answers instead of settling on a fake sink.
QString defaultDescription() {
    initGStreamer();
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
        // The server asks for audio in pieces of this length. The default 10 ms woke the program about 350 times a
        // second all night; the amount held ahead (buffer-time, 200 ms) and so the safety against dropouts is as
        // before, and the volume acts on the server at once.
        if (g_object_class_find_property(type, "latency-time") &&
            g_object_class_find_property(type, "stream-properties")) {
            g_object_set(element, "latency-time", LatencyTimeUs, nullptr);
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

} // namespace GstOutputSink
