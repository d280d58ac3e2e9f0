#include "gstplayerpipeline.h"

#include "fader.h"
#include "gstoutputsink.h"
#include "mp3decoder.h"
#include "pcmfeed.h"

#include <QMetaObject>

#include <gst/audio/audio.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// How much the feed makes at a time, by the output; the source holds no more than the next buffer. A sound server
// holds seconds ahead and applies the volume itself, so the feed makes what the server asks for at once and sleeps
// in between; what the server holds is dropped when a change of pitch or a short fade must be heard sooner. A sink
// that plays each buffer at its time (into a file, or nowhere) has each made just before, so a volume or rate change
// is heard within one: a fifth of a second. Any other audio sink, which applies the volume from the feed, 80 ms.
constexpr qsizetype ServerChunkFrames = GstOutputSink::ServerRequestUs * Mp3Decoder::SampleRate / 1000000;
constexpr qsizetype PacedChunkFrames = Mp3Decoder::SampleRate / 5;
constexpr qsizetype ChunkFrames = Mp3Decoder::SampleRate * 80 / 1000;
// A stream's first buffer, which the output plays as soon as it has it; each next one is at most as long as all
// before it, so the sound starts at once and the feed stays ahead of the output while the buffers grow.
constexpr qsizetype FirstFrames = Mp3Decoder::SampleRate / 10;
// A stream started afresh after what its server held was dropped rises from silence over this.
constexpr qint64 RiseFrames = Mp3Decoder::SampleRate * 20 / 1000;
// The ramp that ends a stopped sound, after what is already on its way out: short enough to count as at once, long
// enough not to click.
constexpr qsizetype EndRampFrames = Mp3Decoder::SampleRate * 5 / 1000;
// Once it holds its fill, a sound server asks for a request's worth of audio once a request's length (measured at a
// second a request: 1000 +- 12 ms); until then it takes several at once. One that has settled into the rhythm and then
// taken none for longer than a request does not answer: what is sent to it meanwhile waits, and when it answers again
// it plays what it holds first.
constexpr std::chrono::milliseconds ServerRhythm{500};
constexpr std::chrono::microseconds ServerSilentAfter{GstOutputSink::ServerRequestUs * 3 / 2};

guint bytesIn(qsizetype frames) {
    return guint(frames * Mp3Decoder::Channels * qsizetype(sizeof(std::int16_t)));
}

QString takeError(GError *error) {
    QString text = error ? QString::fromUtf8(error->message) : u"unknown GStreamer error"_s;
    g_clear_error(&error);
    return text;
}

GstElement *makeElement(const char *factory) {
    GstElement *element = gst_element_factory_make(factory, nullptr);
    if (!element) {
        throw std::runtime_error(std::string("GStreamer element missing: ") + factory);
    }
    return element;
}

} // namespace

void PipelineShared::post(std::function<void()> handle) {
    const std::lock_guard lock(m_mutex);
    if (m_owner) {
        QMetaObject::invokeMethod(m_owner, std::move(handle), Qt::QueuedConnection);
    }
}

void PipelineShared::forget() {
    const std::lock_guard lock(m_mutex);
    m_owner = nullptr;
}

GstPlayerPipeline::GstPlayerPipeline(std::shared_ptr<PipelineShared> shared, quint64 serial,
                                     const QString &sinkDescription, bool fakeIsNoOutput)
    : shared(std::move(shared)), serial(serial), fakeIsNoOutput(fakeIsNoOutput), m_chunkFrames(ChunkFrames) {
    GstOutputSink::initGStreamer();
    bin = GstRef<GstElement>::sink(gst_pipeline_new("player"));
    source = GstRef<GstElement>::sink(makeElement("appsrc"));
    GError *parseError = nullptr;
    sink = GstRef<GstElement>::sink(
        gst_parse_bin_from_description(sinkDescription.toUtf8().constData(), TRUE, &parseError));
    if (!sink && g_error_matches(parseError, GST_PARSE_ERROR, GST_PARSE_ERROR_NO_SUCH_ELEMENT) &&
        GstOutputSink::registerEveryPlugin()) {
        g_clear_error(&parseError);
        sink = GstRef<GstElement>::sink(
            gst_parse_bin_from_description(sinkDescription.toUtf8().constData(), TRUE, &parseError));
    }
    if (!sink) {
        throw std::runtime_error(
            QStringLiteral("audio sink \"%1\" unusable: %2").arg(sinkDescription, takeError(parseError)).toStdString());
    }
    g_clear_error(&parseError);
    GstOutputSink::nameStream(sink.get());
    GstElement *convert = makeElement("audioconvert");
    gst_bin_add_many(GST_BIN(bin.get()), source.get(), convert, sink.get(), nullptr);
    if (!gst_element_link_many(source.get(), convert, sink.get(), nullptr)) {
        throw std::runtime_error("cannot link the audio pipeline to \"" + sinkDescription.toStdString() + '"');
    }

    GstAudioInfo info;
    gst_audio_info_set_format(&info, GST_AUDIO_FORMAT_S16, Mp3Decoder::SampleRate, Mp3Decoder::Channels, nullptr);
    GstCaps *caps = gst_audio_info_to_caps(&info);
    auto *appSource = GST_APP_SRC(source.get());
    gst_app_src_set_caps(appSource, caps);
    gst_caps_unref(caps);
    g_object_set(appSource, "format", GST_FORMAT_TIME, "is-live", FALSE, "block", FALSE, nullptr);
    gst_app_src_set_stream_type(appSource, GST_APP_STREAM_TYPE_STREAM);
    gst_app_src_set_max_bytes(appSource, bytesIn(ChunkFrames));
    GstAppSrcCallbacks callbacks{};
    callbacks.need_data = &GstPlayerPipeline::needData;
    gst_app_src_set_callbacks(appSource, &callbacks, this, nullptr);

    bus = GstRef<GstBus>::adopt(gst_element_get_bus(bin.get()));
    gst_bus_set_sync_handler(bus.get(), &GstPlayerPipeline::busMessage, this, nullptr);
}

GstPlayerPipeline::~GstPlayerPipeline() {
    // Nothing more is told once it goes; reaching NULL joins the streaming threads.
    if (bus) {
        gst_bus_set_sync_handler(bus.get(), nullptr, nullptr, nullptr);
    }
    m_pacer.interrupt();
    gst_element_set_state(bin.get(), GST_STATE_NULL);
}

GstBusSyncReply GstPlayerPipeline::busMessage(GstBus *, GstMessage *message, gpointer data) {
    auto *self = static_cast<GstPlayerPipeline *>(data);
    const quint64 run = self->run;
    switch (GST_MESSAGE_TYPE(message)) {
    case GST_MESSAGE_EOS:
        self->shared->post([shared = self->shared.get(), run] { shared->ended(run); });
        break;
    case GST_MESSAGE_STATE_CHANGED:
        if (GST_MESSAGE_SRC(message) == GST_OBJECT(self->bin.get())) {
            GstState state = GST_STATE_NULL;
            gst_message_parse_state_changed(message, nullptr, &state, nullptr);
            if (state == GST_STATE_PLAYING) {
                self->shared->post([shared = self->shared.get(), run] { shared->started(run); });
            }
        }
        break;
    case GST_MESSAGE_ERROR: {
        // Whichever element reports it (the sink, or the source whose stream the sink refused), the pipeline
        // failed.
        GError *error = nullptr;
        gst_message_parse_error(message, &error, nullptr);
        self->shared->post(
            [shared = self->shared.get(), run, reason = takeError(error)] { shared->failed(run, reason, true); });
        break;
    }
    default:
        break;
    }
    // Nobody pops the bus, so every message is dropped here rather than left to pile up; a sync handler that
    // drops a message owns it.
    gst_message_unref(message);
    return GST_BUS_DROP;
}

void GstPlayerPipeline::order(const FadeOrder &fade) {
    const std::lock_guard lock(m_fadeMutex);
    m_fadeOrder = m_fadeOrder.then(fade);
}

FadeOrder GstPlayerPipeline::takeOrder() {
    const std::lock_guard lock(m_fadeMutex);
    return std::exchange(m_fadeOrder, FadeOrder{});
}

qint64 GstPlayerPipeline::framesQueued() const {
    gint64 position = 0;
    if (!gst_element_query_position(bin.get(), GST_FORMAT_TIME, &position) || position < 0) {
        return 0;
    }
    return std::max<qint64>(qint64(framesPushed.load()) -
                                qint64(gst_util_uint64_scale(guint64(position), Mp3Decoder::SampleRate, GST_SECOND)),
                            0);
}

bool GstPlayerPipeline::serverAnswers() const {
    const std::chrono::steady_clock::duration before{takenBefore.load()};
    const std::chrono::steady_clock::duration last{lastTaken.load()};
    return last - before < ServerRhythm ||
           std::chrono::steady_clock::now() - std::chrono::steady_clock::time_point(last) < ServerSilentAfter;
}

void GstPlayerPipeline::setStreamVolume(double level) const {
    gst_stream_volume_set_volume(GST_STREAM_VOLUME(streamVolume.get()), GST_STREAM_VOLUME_FORMAT_LINEAR, level);
}

QString GstPlayerPipeline::start(quint64 newRun, std::shared_ptr<PcmFeed> newFeed, const QByteArray &title) {
    if (!opened) {
        if (gst_element_set_state(bin.get(), GST_STATE_READY) == GST_STATE_CHANGE_FAILURE) {
            return u"the audio output cannot be opened"_s;
        }
        if (fakeIsNoOutput && GstOutputSink::isFake(sink.get())) {
            return u"no audio output answers"_s;
        }
        streamVolume = GstRef<GstElement>::adopt(gst_bin_get_by_interface(GST_BIN(sink.get()), GST_TYPE_STREAM_VOLUME));
        m_paced = GstOutputSink::playsEachBufferOnTime(sink.get());
        m_chunkFrames = streamVolume ? ServerChunkFrames : m_paced ? PacedChunkFrames : ChunkFrames;
        gst_app_src_set_max_bytes(GST_APP_SRC(source.get()), bytesIn(m_chunkFrames));
        opened = true;
    } else {
        halt();
    }
    run = newRun;
    feed = std::move(newFeed);
    framesPushed = 0;
    feedEnded = false;
    lastTaken = std::chrono::steady_clock::now().time_since_epoch().count();
    takenBefore = lastTaken.load();
    // Taken when the stream is made, so while none exists.
    if (wantedDevice != device) {
        GstOutputSink::setDevice(sink.get(), wantedDevice);
        device = wantedDevice;
    }
    // Set while no stream exists, a stream volume is the one the next stream opens with.
    if (streamVolume) {
        gst_stream_volume_set_volume(GST_STREAM_VOLUME(streamVolume.get()), GST_STREAM_VOLUME_FORMAT_LINEAR,
                                     shared->volume / 100.0);
    }
    if (gst_element_set_state(bin.get(), GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        return u"the audio output does not start"_s;
    }
    // A sound server shows the title as the stream's name.
    gst_element_send_event(source.get(),
                           gst_event_new_tag(gst_tag_list_new(GST_TAG_TITLE, title.constData(), nullptr)));
    return {};
}

// Drops what the output holds and goes on with the same feed from where it is, rising from silence, with the change
// of fade-out \a fade from there.
QString GstPlayerPipeline::restart(quint64 newRun, const FadeOrder &fade, const QByteArray &title) {
    std::shared_ptr<PcmFeed> kept = feed;
    const FadeOrder pending = takeOrder().then(fade);
    halt();
    if (!kept) {
        return u"the sound has ended"_s;
    }
    // What the feed made ahead was made before the change, as what the server held was.
    kept->dropDecoded();
    kept->fadeIn(RiseFrames);
    pending.applyTo(*kept);
    return start(newRun, std::move(kept), title);
}

void GstPlayerPipeline::halt() {
    m_pacer.interrupt();
    gst_element_set_state(bin.get(), GST_STATE_READY);
    m_pacer.resume();
    // The streaming thread has stopped, so the feed is ours alone.
    feed.reset();
    ending = false;
    takeOrder();
}

void GstPlayerPipeline::push(GstAppSrc *source) {
    if (feedEnded || !feed) {
        return;
    }
    // A buffer is made when its time comes, and the sink, finding it due, plays it without a wait of its own: one
    // wakeup a buffer. The first is wanted at once, to start the output.
    const GstClockTime start = gst_util_uint64_scale(framesPushed, GST_SECOND, Mp3Decoder::SampleRate);
    if (m_paced && framesPushed > 0) {
        m_pacer.waitUntil(bin.get(), start);
    }
    // A stopped sound goes on from where it is into a ramp to silence, and ends there.
    const bool last = ending;
    const qsizetype wanted =
        last ? EndRampFrames : std::min(m_chunkFrames, std::max(FirstFrames, qsizetype(framesPushed.load())));
    GstBuffer *buffer = gst_buffer_new_allocate(nullptr, bytesIn(wanted), nullptr);
    GstMapInfo map;
    gst_buffer_map(buffer, &map, GST_MAP_WRITE);
    const std::span<std::int16_t> pcm(reinterpret_cast<std::int16_t *>(map.data),
                                      std::size_t(wanted * Mp3Decoder::Channels));
    qsizetype frames = 0;
    QString failure;
    try {
        takeOrder().applyTo(*feed);
        feed->setEvenLoudness(shared->evenLoudness.load());
        frames = feed->fill(pcm, shared->rate.load(), shared->loop.load());
        const auto filled = pcm.first(std::size_t(frames * Mp3Decoder::Channels));
        if (last) {
            Fader::rampToSilence(filled);
        }
        if (!streamVolume) {
            Fader::scale(filled, shared->volume.load());
        }
    } catch (const std::exception &e) {
        failure = QString::fromLocal8Bit(e.what());
    }
    gst_buffer_unmap(buffer, &map);

    if (frames > 0) {
        gst_buffer_set_size(buffer, static_cast<gssize>(frames * Mp3Decoder::Channels * sizeof(std::int16_t)));
        framesPushed += static_cast<std::uint64_t>(frames);
        takenBefore = lastTaken.exchange(std::chrono::steady_clock::now().time_since_epoch().count());
        GST_BUFFER_PTS(buffer) = start;
        GST_BUFFER_DURATION(buffer) = gst_util_uint64_scale(framesPushed, GST_SECOND, Mp3Decoder::SampleRate) - start;
        gst_app_src_push_buffer(source, buffer);
    } else {
        gst_buffer_unref(buffer);
    }
    if (!failure.isEmpty()) {
        feedEnded = true;
        shared->post([shared = shared.get(), run = run.load(), failure] { shared->failed(run, failure, false); });
    } else if (last || frames < wanted) {
        feedEnded = true;
        gst_app_src_end_of_stream(source);
    }
}
