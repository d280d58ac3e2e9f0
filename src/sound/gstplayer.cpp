#include "gstplayer.h"

#include "clockpacer.h"
#include "decoder.h"
#include "fader.h"
#include "gstoutputsink.h"
#include "gstref.h"
#include "mp3decoder.h"
#include "pcmfeed.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QTimer>

#include <gst/app/gstappsrc.h>
#include <gst/audio/audio.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {

Q_LOGGING_CATEGORY(lcPlayer, "somnivox.player")

// 80 ms: a sink that plays each buffer at its time wakes about 12 times a second, and a buffer is made just before
// its time, so a volume or rate change is heard within one buffer. An audio sink holds its own buffer ahead anyway.
constexpr qsizetype ChunkFrames = Mp3Decoder::SampleRate * 80 / 1000;
constexpr guint QueueBytes = 2 * ChunkFrames * Mp3Decoder::Channels * sizeof(std::int16_t);
constexpr double MinRate = 0.1;
constexpr double MaxRate = 50.0;
// The ramp that ends a stopped sound, after what is already on its way out: short enough to count as at once, long
// enough not to click.
constexpr qsizetype EndRampFrames = Mp3Decoder::SampleRate * 5 / 1000;
// How long a stopped sound may take to play out its ramp before the output is released anyway.
constexpr int EndGraceMs = 2000;

qint64 framesIn(std::chrono::milliseconds duration) {
    return duration.count() * Mp3Decoder::SampleRate / 1000;
}

QString takeError(GError *error) {
    const QString text = error ? QString::fromUtf8(error->message) : u"unknown GStreamer error"_s;
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

struct GstPlayer::Pipeline {
    explicit Pipeline(GstPlayer *owner) : player(owner) {}

    GstPlayer *player;
    GstRef<GstElement> bin;
    GstRef<GstElement> source;
    GstRef<GstElement> sink;
    // The sink's own volume, where it has one; the feed applies the volume where it has none.
    GstRef<GstElement> streamVolume;
    GstRef<GstBus> bus;

    // Touched by the streaming thread while the pipeline runs, and by the owner only while it is halted.
    std::unique_ptr<PcmFeed> feed;
    std::atomic<std::uint64_t> framesPushed{0};
    std::atomic<bool> feedEnded{false};
    // Handed from the owner to the streaming thread: a fade-out in frames (-1: none), and a stop, which makes the
    // next buffer a short ramp to silence and the last of the stream.
    std::atomic<qint64> fadeOutFrames{-1};
    std::atomic<bool> ending{false};
    // Set for a sink that plays each buffer at its time: the streaming thread then makes each buffer just before.
    bool paced = false;
    ClockPacer pacer;

    ~Pipeline() {
        // No message may reach the player once it is gone; reaching NULL joins the streaming threads.
        if (bus) {
            gst_bus_set_sync_handler(bus.get(), nullptr, nullptr, nullptr);
        }
        pacer.interrupt();
        gst_element_set_state(bin.get(), GST_STATE_NULL);
    }
    Q_DISABLE_COPY_MOVE(Pipeline)

    static void needData(GstAppSrc *source, guint, gpointer self) { static_cast<Pipeline *>(self)->push(source); }
    void push(GstAppSrc *source);

    static GstBusSyncReply busMessage(GstBus *, GstMessage *message, gpointer data) {
        auto *self = static_cast<Pipeline *>(data);
        switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_EOS:
            self->player->postEnd();
            break;
        case GST_MESSAGE_STATE_CHANGED:
            if (GST_MESSAGE_SRC(message) == GST_OBJECT(self->bin.get())) {
                GstState state = GST_STATE_NULL;
                gst_message_parse_state_changed(message, nullptr, &state, nullptr);
                if (state == GST_STATE_PLAYING) {
                    self->player->postStarted();
                }
            }
            break;
        case GST_MESSAGE_ERROR: {
            GError *error = nullptr;
            gst_message_parse_error(message, &error, nullptr);
            GstObject *origin = GST_MESSAGE_SRC(message);
            GstObject *sinkObject = GST_OBJECT(self->sink.get());
            const bool fromSink = origin == sinkObject || gst_object_has_as_ancestor(origin, sinkObject);
            self->player->postFailure(takeError(error), fromSink);
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
};

void GstPlayer::Pipeline::push(GstAppSrc *source) {
    if (feedEnded || !feed) {
        return;
    }
    // A buffer is made when its time comes, and the sink, finding it due, plays it without a wait of its own: one
    // wakeup a buffer. The first is wanted at once, to start the output.
    const GstClockTime start = gst_util_uint64_scale(framesPushed, GST_SECOND, Mp3Decoder::SampleRate);
    if (paced && framesPushed > 0) {
        pacer.waitUntil(bin.get(), start);
    }
    // A stopped sound goes on from where it is into a ramp to silence, and ends there.
    const bool last = ending;
    const qsizetype wanted = last ? EndRampFrames : ChunkFrames;
    GstBuffer *buffer =
        gst_buffer_new_allocate(nullptr, ChunkFrames * Mp3Decoder::Channels * sizeof(std::int16_t), nullptr);
    GstMapInfo map;
    gst_buffer_map(buffer, &map, GST_MAP_WRITE);
    const std::span<std::int16_t> pcm(reinterpret_cast<std::int16_t *>(map.data),
                                      std::size_t(wanted * Mp3Decoder::Channels));
    qsizetype frames = 0;
    QString failure;
    try {
        if (const qint64 fade = fadeOutFrames.exchange(-1); fade >= 0) {
            feed->fadeOut(fade);
        }
        frames = feed->fill(pcm, player->m_rate.load(), player->m_loop.load());
        const auto filled = pcm.first(std::size_t(frames * Mp3Decoder::Channels));
        if (last) {
            Fader::rampToSilence(filled);
        }
        if (!streamVolume) {
            Fader::scale(filled, player->m_volume.load());
        }
    } catch (const std::exception &e) {
        failure = QString::fromLocal8Bit(e.what());
    }
    gst_buffer_unmap(buffer, &map);

    if (frames > 0) {
        gst_buffer_set_size(buffer, static_cast<gssize>(frames * Mp3Decoder::Channels * sizeof(std::int16_t)));
        framesPushed += static_cast<std::uint64_t>(frames);
        GST_BUFFER_PTS(buffer) = start;
        GST_BUFFER_DURATION(buffer) = gst_util_uint64_scale(framesPushed, GST_SECOND, Mp3Decoder::SampleRate) - start;
        gst_app_src_push_buffer(source, buffer);
    } else {
        gst_buffer_unref(buffer);
    }
    if (!failure.isEmpty()) {
        feedEnded = true;
        player->postFailure(failure, false);
    } else if (last || frames < wanted) {
        feedEnded = true;
        gst_app_src_end_of_stream(source);
    }
}

GstPlayer::GstPlayer(QObject *parent) : Player(parent), m_recovery(m_retryTimer, [this] { reopenOutput(); }) {
    const QByteArray sink = qgetenv("SOMNIVOX_AUDIO_SINK").trimmed();
    m_sinkFromEnvironment = !sink.isEmpty();
    m_sinkDescription = QString::fromLocal8Bit(sink);
    connect(&m_serverWatch, &SoundServerWatch::changed, this, [this] { m_recovery.mayBeBack(); });
}

GstPlayer::~GstPlayer() {
    m_pipeline.reset();
}

void GstPlayer::setUrl(const QString &path, std::chrono::milliseconds fadeIn) {
    halt();
    m_path = path;
    m_fadeIn = fadeIn;
    setState(Undefined);
    std::unique_ptr<Decoder> decoder;
    try {
        decoder = openDecoder(path);
    } catch (const std::runtime_error &e) {
        endRecovery();
        qCWarning(lcPlayer) << "cannot play" << e.what();
        return;
    }
    if (!m_pipeline) {
        m_pipeline = openPipeline();
        if (!m_pipeline) {
            // Playing in name: the recovery starts the file once the output opens.
            setState(Player::Playing);
            outputLost(u"no audio output answers"_s);
            return;
        }
    }
    m_pipeline->feed = std::make_unique<PcmFeed>(std::move(decoder), framesIn(fadeIn));
    m_pipeline->framesPushed = 0;
    m_pipeline->feedEnded = false;
    // Set while no stream exists, a stream volume is the one the next stream opens with.
    applyVolume();
    if (gst_element_set_state(m_pipeline->bin.get(), GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        if (m_sinkFromEnvironment) {
            halt();
            throw std::runtime_error("the audio output does not start");
        }
        dropPipeline();
        setState(Player::Playing);
        outputLost(u"the audio output does not start"_s);
        return;
    }
    // A sound server shows the title as the stream's name.
    GstTagList *tags =
        gst_tag_list_new(GST_TAG_TITLE, QFileInfo(path).completeBaseName().toUtf8().constData(), nullptr);
    gst_element_send_event(m_pipeline->source.get(), gst_event_new_tag(tags));
    setState(Player::Playing);
}

void GstPlayer::fadeOut(std::chrono::milliseconds duration) {
    if (m_state != Player::Playing || !m_pipeline) {
        return;
    }
    // The feed runs ahead of what is heard by the audio still queued: the fall is shortened by that much, so that
    // silence is heard when the caller asked for it.
    qint64 queued = 0;
    gint64 position = 0;
    if (gst_element_query_position(m_pipeline->bin.get(), GST_FORMAT_TIME, &position) && position >= 0) {
        queued =
            std::max<qint64>(qint64(m_pipeline->framesPushed.load()) -
                                 qint64(gst_util_uint64_scale(guint64(position), Mp3Decoder::SampleRate, GST_SECOND)),
                             0);
    }
    m_pipeline->fadeOutFrames = std::max<qint64>(framesIn(duration) - queued, 0);
}

void GstPlayer::setLoop(bool on) {
    m_loop = on;
}

void GstPlayer::setVolume(int volume) {
    m_volume = std::clamp(volume, 0, 100);
    applyVolume();
}

// Only the program's own changes are applied: a change made in the system mixer holds until the slider moves or the
// next stream opens.
void GstPlayer::applyVolume() {
    if (m_pipeline && m_pipeline->streamVolume) {
        gst_stream_volume_set_volume(GST_STREAM_VOLUME(m_pipeline->streamVolume.get()), GST_STREAM_VOLUME_FORMAT_LINEAR,
                                     m_volume / 100.0);
    }
}

void GstPlayer::setRate(double rate) {
    if (!std::isnan(rate)) {
        m_rate = std::clamp(rate, MinRate, MaxRate);
    }
}

void GstPlayer::stop() {
    if (m_state == Player::Playing && m_pipeline && m_pipeline->feed && !m_pipeline->feedEnded) {
        // The output plays on until the ramp has been heard; the end of the stream then releases it.
        m_ending = true;
        m_pipeline->ending = true;
        const quint64 run = m_run;
        QTimer::singleShot(EndGraceMs, this, [this, run] {
            if (run == m_run && m_ending) {
                halt();
            }
        });
    } else if (!m_ending) {
        halt();
    }
    endRecovery();
    setState(Stopped);
}

int GstPlayer::playState() const {
    return m_state;
}

void GstPlayer::setState(int state) {
    if (state != m_state) {
        m_state = state;
        Q_EMIT playStateChanged();
    }
}

QString GstPlayer::sinkDescription() const {
    return m_sinkFromEnvironment ? m_sinkDescription : GstOutputSink::defaultDescription();
}

std::unique_ptr<GstPlayer::Pipeline> GstPlayer::openPipeline() {
    GstOutputSink::initGStreamer();
    const QString sinkDescription = this->sinkDescription();
    auto pipeline = std::make_unique<Pipeline>(this);
    pipeline->bin = GstRef<GstElement>::sink(gst_pipeline_new("player"));
    pipeline->source = GstRef<GstElement>::sink(makeElement("appsrc"));
    GError *parseError = nullptr;
    pipeline->sink = GstRef<GstElement>::sink(
        gst_parse_bin_from_description(sinkDescription.toUtf8().constData(), TRUE, &parseError));
    if (!pipeline->sink && g_error_matches(parseError, GST_PARSE_ERROR, GST_PARSE_ERROR_NO_SUCH_ELEMENT) &&
        GstOutputSink::registerEveryPlugin()) {
        g_clear_error(&parseError);
        pipeline->sink = GstRef<GstElement>::sink(
            gst_parse_bin_from_description(sinkDescription.toUtf8().constData(), TRUE, &parseError));
    }
    if (!pipeline->sink) {
        throw std::runtime_error(
            QStringLiteral("audio sink \"%1\" unusable: %2").arg(sinkDescription, takeError(parseError)).toStdString());
    }
    g_clear_error(&parseError);
    GstOutputSink::nameStream(pipeline->sink.get());
    GstElement *convert = makeElement("audioconvert");
    gst_bin_add_many(GST_BIN(pipeline->bin.get()), pipeline->source.get(), convert, pipeline->sink.get(), nullptr);
    if (!gst_element_link_many(pipeline->source.get(), convert, pipeline->sink.get(), nullptr)) {
        throw std::runtime_error("cannot link the audio pipeline to \"" + sinkDescription.toStdString() + '"');
    }

    GstAudioInfo info;
    gst_audio_info_set_format(&info, GST_AUDIO_FORMAT_S16, Mp3Decoder::SampleRate, Mp3Decoder::Channels, nullptr);
    GstCaps *caps = gst_audio_info_to_caps(&info);
    auto *source = GST_APP_SRC(pipeline->source.get());
    gst_app_src_set_caps(source, caps);
    gst_caps_unref(caps);
    g_object_set(source, "format", GST_FORMAT_TIME, "is-live", FALSE, "block", FALSE, nullptr);
    gst_app_src_set_stream_type(source, GST_APP_STREAM_TYPE_STREAM);
    gst_app_src_set_max_bytes(source, QueueBytes);
    GstAppSrcCallbacks callbacks{};
    callbacks.need_data = &Pipeline::needData;
    gst_app_src_set_callbacks(source, &callbacks, pipeline.get(), nullptr);

    pipeline->bus = GstRef<GstBus>::adopt(gst_element_get_bus(pipeline->bin.get()));
    gst_bus_set_sync_handler(pipeline->bus.get(), &Pipeline::busMessage, pipeline.get(), nullptr);

    // Opening the output now shows at once whether a sound device answers.
    const bool opened = gst_element_set_state(pipeline->bin.get(), GST_STATE_READY) != GST_STATE_CHANGE_FAILURE;
    if (m_sinkFromEnvironment && !opened) {
        throw std::runtime_error("audio sink \"" + sinkDescription.toStdString() + "\" cannot be opened");
    }
    if (!opened || (!m_sinkFromEnvironment && GstOutputSink::isFake(pipeline->sink.get()))) {
        return nullptr;
    }
    pipeline->streamVolume =
        GstRef<GstElement>::adopt(gst_bin_get_by_interface(GST_BIN(pipeline->sink.get()), GST_TYPE_STREAM_VOLUME));
    pipeline->paced = GstOutputSink::playsEachBufferOnTime(pipeline->sink.get());
    return pipeline;
}

void GstPlayer::halt() {
    if (m_pipeline) {
        m_pipeline->pacer.interrupt();
        gst_element_set_state(m_pipeline->bin.get(), GST_STATE_READY);
        m_pipeline->pacer.resume();
        // The streaming thread has stopped, so the feed is ours alone.
        m_pipeline->feed.reset();
        m_pipeline->ending = false;
        m_pipeline->fadeOutFrames = -1;
    }
    m_ending = false;
    // Messages of the old run still queued are stale from here on.
    ++m_run;
}

void GstPlayer::dropPipeline() {
    m_pipeline.reset();
    ++m_run;
}

void GstPlayer::outputLost(const QString &reason) {
    if (m_recovery.lost()) {
        qCWarning(lcPlayer).noquote() << "audio output lost:" << reason << "- reopening it while the sound plays";
        m_serverWatch.start();
    }
}

void GstPlayer::reopenOutput() {
    // While the server's socket refuses, no pipeline is built, and the watch on its folder tells when to try again.
    if (sinkDescription() == GstOutputSink::Pulse && m_serverWatch.serverAbsent()) {
        m_recovery.nothingListens();
        return;
    }
    // The file starts afresh; one that has become unplayable ends the outage.
    const QString path = m_path;
    try {
        setUrl(path, m_fadeIn);
    } catch (const std::runtime_error &e) {
        qCWarning(lcPlayer) << e.what();
        endRecovery();
        setState(Undefined);
    }
}

void GstPlayer::endRecovery() {
    m_recovery.end();
    m_serverWatch.stop();
}

void GstPlayer::postEnd() {
    const quint64 run = m_run;
    QMetaObject::invokeMethod(
        this, [this, run] { handleEnd(run); }, Qt::QueuedConnection);
}

void GstPlayer::postStarted() {
    const quint64 run = m_run;
    QMetaObject::invokeMethod(
        this, [this, run] { handleStarted(run); }, Qt::QueuedConnection);
}

void GstPlayer::postFailure(const QString &reason, bool fromSink) {
    const quint64 run = m_run;
    QMetaObject::invokeMethod(
        this, [this, run, reason, fromSink] { handleFailure(run, reason, fromSink); }, Qt::QueuedConnection);
}

void GstPlayer::handleEnd(quint64 run) {
    if (run == m_run && m_ending) {
        halt();
    } else if (run == m_run && m_state == Player::Playing) {
        halt();
        setState(MediaEnded);
    }
}

void GstPlayer::handleStarted(quint64 run) {
    if (run == m_run && m_state == Player::Playing) {
        endRecovery();
        // Once more on the open stream: a server that restores volumes per application or role (PipeWire's session
        // manager) overrides the one a stream opens with.
        applyVolume();
    }
}

void GstPlayer::handleFailure(quint64 run, const QString &reason, bool fromSink) {
    if (run == m_run && m_ending) {
        halt();
        return;
    }
    if (run != m_run || m_state != Player::Playing) {
        return;
    }
    if (fromSink && !m_sinkFromEnvironment) {
        // A sink that lost its server is of no further use: the next attempt builds the pipeline afresh.
        dropPipeline();
        outputLost(reason);
        return;
    }
    qCWarning(lcPlayer) << "playback failed:" << reason;
    halt();
    endRecovery();
    setState(Undefined);
}
