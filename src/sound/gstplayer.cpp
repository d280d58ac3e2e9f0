#include "gstplayer.h"

#include "clockpacer.h"
#include "decoder.h"
#include "fader.h"
#include "gstoutputsink.h"
#include "gstref.h"
#include "mp3decoder.h"
#include "pcmfeed.h"
#include "sourcelevel.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QTimer>

#include <gst/app/gstappsrc.h>
#include <gst/audio/audio.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

Q_LOGGING_CATEGORY(lcPlayer, "somnivox.player")

// How much the feed makes at a time, by the output; the source holds no more than the next buffer. A sound server
// holds seconds ahead and applies the volume itself, so the feed makes a second at once and sleeps in between; what
// the server holds is dropped when a change of pitch or a short fade must be heard sooner. A sink that plays each
// buffer at its time (into a file, or nowhere) has each made just before, so a volume or rate change is heard
// within one: a fifth of a second. Any other audio sink, which applies the volume from the feed, 80 ms.
constexpr qsizetype ServerChunkFrames = Mp3Decoder::SampleRate;
constexpr qsizetype PacedChunkFrames = Mp3Decoder::SampleRate / 5;
constexpr qsizetype ChunkFrames = Mp3Decoder::SampleRate * 80 / 1000;
// A stream started afresh after what its server held was dropped rises from silence over this.
constexpr qint64 RiseFrames = Mp3Decoder::SampleRate * 20 / 1000;
constexpr double MinRate = 0.1;
constexpr double MaxRate = 50.0;
// The ramp that ends a stopped sound, after what is already on its way out: short enough to count as at once, long
// enough not to click.
constexpr qsizetype EndRampFrames = Mp3Decoder::SampleRate * 5 / 1000;
// The same ramp on a sink with a volume of its own, in steps of that volume, falling steeply first. A sound server
// applies a volume to a block of some 10 ms at a time, so each step lasts that long; the stream goes only once its
// silence is being played, lest it end in a cut.
constexpr int EndRampSteps = 5;
constexpr std::chrono::milliseconds EndRampStep{10};
constexpr std::chrono::milliseconds EndRampHold{30};
constexpr std::chrono::milliseconds StreamRampLength = EndRampStep * (EndRampSteps - 1) + EndRampHold;
// How long a stopped sound may take to play out its ramp before the output is released anyway.
constexpr int EndGraceMs = 2000;
// Once it holds its fill, a sound server asks for its second of audio once a second (measured: 1000 +- 12 ms); until
// then it takes a few at once and waits some 3 s. One that has settled into the rhythm and then taken none for longer
// does not answer: what is sent to it meanwhile waits, and when it answers again it plays what it holds first.
constexpr std::chrono::milliseconds ServerRhythm{500};
constexpr std::chrono::milliseconds ServerSilentAfter{1500};

qint64 framesIn(std::chrono::milliseconds duration) {
    return duration.count() * Mp3Decoder::SampleRate / 1000;
}

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

// What the pipelines share with the player. A pipeline left behind at a hung server outlives the player, and then
// tells nobody.
struct GstPlayer::Shared {
    explicit Shared(GstPlayer *owner) : player(owner) {}

    std::atomic<int> volume{50};
    std::atomic<double> rate{1.0};
    std::atomic<bool> loop{false};
    std::atomic<bool> evenLoudness{true};

    /// Calls \a handle on the player's thread, queued, unless the player is gone.
    void post(std::function<void(GstPlayer *)> handle) {
        const std::lock_guard lock(mutex);
        if (player) {
            QMetaObject::invokeMethod(
                player, [player = player, handle = std::move(handle)] { handle(player); }, Qt::QueuedConnection);
        }
    }
    void forget() {
        const std::lock_guard lock(mutex);
        player = nullptr;
    }

private:
    std::mutex mutex;
    GstPlayer *player;
};

// Built by the owner; its state is changed, and it is destroyed, only on the worker.
struct GstPlayer::Pipeline {
    Pipeline(std::shared_ptr<Shared> shared, quint64 serial, bool fakeIsNoOutput)
        : shared(std::move(shared)), serial(serial), fakeIsNoOutput(fakeIsNoOutput) {}

    const std::shared_ptr<Shared> shared;
    const quint64 serial;
    // The default output: a fake sink that autoaudiosink settles on plays nothing.
    const bool fakeIsNoOutput;
    GstRef<GstElement> bin;
    GstRef<GstElement> source;
    GstRef<GstElement> sink;
    // The sink's own volume, where it has one; the feed applies the volume where it has none.
    GstRef<GstElement> streamVolume;
    GstRef<GstBus> bus;
    // Set once the output has opened.
    bool opened = false;

    // Touched by the streaming thread while the pipeline runs, and by the worker only while it is halted.
    std::shared_ptr<PcmFeed> feed;
    std::atomic<std::uint64_t> framesPushed{0};
    // When the output took its last buffer and the one before, on the steady clock.
    std::atomic<std::chrono::steady_clock::rep> lastTaken{0};
    std::atomic<std::chrono::steady_clock::rep> takenBefore{0};
    std::atomic<bool> feedEnded{false};
    // The player's run that the pipeline plays, which tags what it tells the player.
    std::atomic<quint64> run{0};
    // Handed from the owner to the streaming thread: a change of the fade-out, and a stop, which makes the next
    // buffer a short ramp to silence and the last of the stream.
    std::mutex fadeMutex;
    FadeOrder fadeOrder;
    std::atomic<bool> ending{false};
    // Set for a sink that plays each buffer at its time: the streaming thread then makes each buffer just before.
    bool paced = false;
    qsizetype chunkFrames = ChunkFrames;
    ClockPacer pacer;

    ~Pipeline() {
        // Nothing more is told once it goes; reaching NULL joins the streaming threads.
        if (bus) {
            gst_bus_set_sync_handler(bus.get(), nullptr, nullptr, nullptr);
        }
        pacer.interrupt();
        gst_element_set_state(bin.get(), GST_STATE_NULL);
    }
    Q_DISABLE_COPY_MOVE(Pipeline)

    QString start(quint64 newRun, std::shared_ptr<PcmFeed> newFeed, const QByteArray &title);
    QString restart(quint64 newRun, const FadeOrder &fade, const QByteArray &title);
    void halt();
    void order(const FadeOrder &fade) {
        const std::lock_guard lock(fadeMutex);
        fadeOrder = fadeOrder.then(fade);
    }
    FadeOrder takeOrder() {
        const std::lock_guard lock(fadeMutex);
        return std::exchange(fadeOrder, FadeOrder{});
    }

    static void needData(GstAppSrc *source, guint, gpointer self) { static_cast<Pipeline *>(self)->push(source); }
    void push(GstAppSrc *source);

    static GstBusSyncReply busMessage(GstBus *, GstMessage *message, gpointer data) {
        auto *self = static_cast<Pipeline *>(data);
        const quint64 run = self->run;
        switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_EOS:
            self->shared->post([run](GstPlayer *player) { player->handleEnd(run); });
            break;
        case GST_MESSAGE_STATE_CHANGED:
            if (GST_MESSAGE_SRC(message) == GST_OBJECT(self->bin.get())) {
                GstState state = GST_STATE_NULL;
                gst_message_parse_state_changed(message, nullptr, &state, nullptr);
                if (state == GST_STATE_PLAYING) {
                    self->shared->post([run](GstPlayer *player) { player->handleStarted(run); });
                }
            }
            break;
        case GST_MESSAGE_ERROR: {
            // Whichever element reports it (the sink, or the source whose stream the sink refused), the pipeline
            // failed.
            GError *error = nullptr;
            gst_message_parse_error(message, &error, nullptr);
            self->shared->post(
                [run, reason = takeError(error)](GstPlayer *player) { player->handleFailure(run, reason, true); });
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

// Opens the output the first time, and halts what plays otherwise; an empty text when the new run has started.
QString GstPlayer::Pipeline::start(quint64 newRun, std::shared_ptr<PcmFeed> newFeed, const QByteArray &title) {
    if (!opened) {
        if (gst_element_set_state(bin.get(), GST_STATE_READY) == GST_STATE_CHANGE_FAILURE) {
            return u"the audio output cannot be opened"_s;
        }
        if (fakeIsNoOutput && GstOutputSink::isFake(sink.get())) {
            return u"no audio output answers"_s;
        }
        streamVolume = GstRef<GstElement>::adopt(gst_bin_get_by_interface(GST_BIN(sink.get()), GST_TYPE_STREAM_VOLUME));
        paced = GstOutputSink::playsEachBufferOnTime(sink.get());
        chunkFrames = streamVolume ? ServerChunkFrames : paced ? PacedChunkFrames : ChunkFrames;
        gst_app_src_set_max_bytes(GST_APP_SRC(source.get()), bytesIn(chunkFrames));
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
QString GstPlayer::Pipeline::restart(quint64 newRun, const FadeOrder &fade, const QByteArray &title) {
    std::shared_ptr<PcmFeed> kept = feed;
    const FadeOrder pending = takeOrder().then(fade);
    halt();
    if (!kept) {
        return u"the sound has ended"_s;
    }
    kept->fadeIn(RiseFrames);
    pending.applyTo(*kept);
    return start(newRun, std::move(kept), title);
}

void GstPlayer::Pipeline::halt() {
    pacer.interrupt();
    gst_element_set_state(bin.get(), GST_STATE_READY);
    pacer.resume();
    // The streaming thread has stopped, so the feed is ours alone.
    feed.reset();
    ending = false;
    takeOrder();
}

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
    const qsizetype wanted = last ? EndRampFrames : chunkFrames;
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
        shared->post([run = run.load(), failure](GstPlayer *player) { player->handleFailure(run, failure, false); });
    } else if (last || frames < wanted) {
        feedEnded = true;
        gst_app_src_end_of_stream(source);
    }
}

GstPlayer::GstPlayer(QObject *parent)
    : Player(parent), m_recovery(m_retryTimer, [this] { reopenOutput(); }), m_shared(std::make_shared<Shared>(this)) {
    const QByteArray sink = qgetenv("SOMNIVOX_AUDIO_SINK").trimmed();
    m_sinkFromEnvironment = !sink.isEmpty();
    m_sinkDescription = QString::fromLocal8Bit(sink);
    connect(&m_serverWatch, &SoundServerWatch::changed, this, [this] { m_recovery.mayBeBack(); });
    connect(&m_levels, &LoudnessLevels::levelKnown, this, &GstPlayer::handleLevelKnown);
}

// A pipeline stuck on a hung server is not waited for beyond the worker's bound: it is left to end on its own.
GstPlayer::~GstPlayer() {
    m_shared->forget();
    dropPipeline();
    m_worker.reset();
}

void GstPlayer::setUrl(const QString &path, std::chrono::milliseconds fadeIn) {
    // The sound that may be heard ends in its ramp first, as at a stop: the file starts once it has.
    if (beginEnding()) {
        m_decoder.reset();
    } else {
        halt();
    }
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
        m_pipeline = buildPipeline();
    }
    m_decoder = std::move(decoder);
    m_level = m_levels.levelOf(path);
    // Playing in name from here: the output starts on the worker, and the recovery takes over if it does not.
    setState(Player::Playing);
    if (!m_ending) {
        startOutput();
    }
}

GstPlayer::FadeOrder GstPlayer::FadeOrder::then(const FadeOrder &later) const {
    if (later.cancel || later.frames >= 0) {
        return {cancel || later.cancel, later.frames, later.byDecibels};
    }
    return *this;
}

void GstPlayer::FadeOrder::applyTo(PcmFeed &feed) const {
    if (cancel) {
        feed.cancelFadeOut();
    }
    if (frames >= 0) {
        byDecibels ? feed.fadeOutByDecibels(frames) : feed.fadeOut(frames);
    }
}

void GstPlayer::fadeOut(std::chrono::milliseconds duration) {
    fadeOutAlong(duration, false);
}

void GstPlayer::fadeOutByDecibels(std::chrono::milliseconds duration) {
    fadeOutAlong(duration, true);
}

void GstPlayer::cancelFadeOut() {
    if (m_state != Player::Playing || !m_fadeEnd || m_ending || !m_pipeline) {
        return;
    }
    m_fadeEnd.reset();
    m_pipeline->order({.cancel = true});
    // What the server holds has fallen already.
    dropHeldAudio({.cancel = true});
}

void GstPlayer::fadeOutAlong(std::chrono::milliseconds duration, bool byDecibels) {
    if (m_state != Player::Playing || m_startedRun != m_run || m_ending) {
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
    const auto end = std::chrono::steady_clock::now() + duration;
    const qint64 frames = framesIn(duration) - queued;
    if (frames >= 0 || !heldByServer()) {
        m_pipeline->order({.frames = std::max<qint64>(frames, 0), .byDecibels = byDecibels});
        m_fadeEnd = end;
    } else if (!m_fadeEnd || end + StreamRampLength < *m_fadeEnd) {
        // The end asked for falls within what the server holds: the fall starts afresh from what is heard.
        dropHeldAudio({.frames = framesIn(std::max(duration - StreamRampLength, std::chrono::milliseconds(0))),
                       .byDecibels = byDecibels});
        m_fadeEnd = end;
    }
}

void GstPlayer::setEvenLoudness(bool on) {
    m_shared->evenLoudness = on;
    // A file that waits for its level waits no more.
    if (!on && m_decoder) {
        catchUp();
    }
}

void GstPlayer::setLoop(bool on) {
    m_shared->loop = on;
}

void GstPlayer::setVolume(int volume) {
    m_shared->volume = std::clamp(volume, 0, 100);
    applyVolume();
}

// Only the program's own changes are applied: a change made in the system mixer holds until the slider moves or the
// next stream opens. Until the output has opened, the start applies the volume itself.
void GstPlayer::applyVolume() {
    if (heldByServer() && !m_ending && !m_dropping) {
        gst_stream_volume_set_volume(GST_STREAM_VOLUME(m_pipeline->streamVolume.get()), GST_STREAM_VOLUME_FORMAT_LINEAR,
                                     m_shared->volume / 100.0);
    }
}

void GstPlayer::setRate(double rate) {
    if (std::isnan(rate)) {
        return;
    }
    const double clamped = std::clamp(rate, MinRate, MaxRate);
    if (m_shared->rate.exchange(clamped) != clamped) {
        dropHeldAudio({});
    }
}

bool GstPlayer::heldByServer() const {
    return m_opened && m_pipeline && m_pipeline->streamVolume;
}

bool GstPlayer::serverAnswers() const {
    const std::chrono::steady_clock::duration before{m_pipeline->takenBefore.load()};
    const std::chrono::steady_clock::duration last{m_pipeline->lastTaken.load()};
    return last - before < ServerRhythm ||
           std::chrono::steady_clock::now() - std::chrono::steady_clock::time_point(last) < ServerSilentAfter;
}

// What the server holds ahead is dropped and the feed goes on from where it is, so that a change made to it is heard
// at once: the stream falls silent in the ramp of a stop, starts afresh, and rises from silence. The change of
// fade-out \a fade starts with it.
void GstPlayer::dropHeldAudio(const FadeOrder &fade) {
    if (m_state != Player::Playing || m_ending || !heldByServer()) {
        return;
    }
    m_dropFade = m_dropFade.then(fade);
    if (m_starting || m_startedRun != m_run) {
        // The stream starting may already hold audio made before the change.
        m_dropAgain = true;
    } else if (!m_dropping) {
        // A ramp under way ends in a restart that takes the latest change.
        m_dropping = true;
        rampStreamDown(m_run, 0);
    }
}

void GstPlayer::restartOutput() {
    m_dropping = false;
    ++m_run;
    postStart([fade = std::exchange(m_dropFade, {})](Pipeline &pipeline, quint64 run, const QByteArray &title) {
        return pipeline.restart(run, fade, title);
    });
}

// Runs \a start on the worker, whose outcome handleStartDone() is told.
void GstPlayer::postStart(std::function<QString(Pipeline &, quint64, const QByteArray &)> start) {
    m_starting = true;
    m_live = true;
    m_worker->post([pipeline = m_pipeline, run = m_run, title = streamTitle(), start = std::move(start)] {
        const QString failure = start(*pipeline, run, title);
        pipeline->shared->post([run, serial = pipeline->serial, failure](GstPlayer *player) {
            player->handleStartDone(run, serial, failure);
        });
    });
}

QByteArray GstPlayer::streamTitle() const {
    return QFileInfo(m_path).completeBaseName().toUtf8();
}

void GstPlayer::stop() {
    // A file given while the sound was ending never starts.
    m_decoder.reset();
    if (!beginEnding()) {
        halt();
    }
    endRecovery();
    setState(Stopped);
}

// The sound that may be heard starts its ramp down, unless it is ending already; whether it is ending.
bool GstPlayer::beginEnding() {
    if (!m_ending && m_state == Player::Playing && outputUnderway()) {
        m_ending = true;
        // An output still starting ramps down once it tells it has started: it may be heard already.
        if (m_startedRun == m_run) {
            endInRamp();
        }
    }
    return m_ending;
}

bool GstPlayer::isEnding() const {
    return m_ending;
}

bool GstPlayer::isWaitingForOutput() const {
    return m_state == Player::Playing && m_recovery.active();
}

// The output of the present run has started and plays on, or its start is on the worker.
bool GstPlayer::outputUnderway() const {
    if (!m_pipeline) {
        return false;
    }
    if (m_startedRun == m_run) {
        return !m_pipeline->feedEnded;
    }
    return m_starting && !m_decoder;
}

void GstPlayer::endInRamp() {
    const quint64 run = m_run;
    if (heldByServer()) {
        // What the server holds ahead is not waited for: the stream falls silent in a few steps of its volume,
        // which the server applies at once, and then goes with what it held. A ramp already falling for a
        // restart ends the sound instead. A server that does not answer would read the steps one by one, playing
        // on meanwhile: the stream goes at once, unheard until the server answers, and then first.
        if (!serverAnswers()) {
            finishEnding();
        } else if (!m_dropping) {
            rampStreamDown(run, 0);
        }
    } else {
        // The output plays on until the ramp has been heard; the end of the stream then releases it.
        m_pipeline->ending = true;
        QTimer::singleShot(EndGraceMs, this, [this, run] {
            if (run == m_run && m_ending) {
                finishEnding();
            }
        });
    }
}

// The ramp has been heard: the output is released, and a file given meanwhile starts.
void GstPlayer::finishEnding() {
    std::unique_ptr<Decoder> next = std::move(m_decoder);
    halt();
    Q_EMIT soundEnded();
    if (next) {
        m_decoder = std::move(next);
        catchUp();
    }
}

void GstPlayer::rampStreamDown(quint64 run, int step) {
    if (run != m_run || !(m_ending || m_dropping)) {
        return;
    }
    if (step == EndRampSteps) {
        m_ending ? finishEnding() : restartOutput();
        return;
    }
    gst_stream_volume_set_volume(GST_STREAM_VOLUME(m_pipeline->streamVolume.get()), GST_STREAM_VOLUME_FORMAT_LINEAR,
                                 m_shared->volume / 100.0 *
                                     std::pow(double(EndRampSteps - 1 - step) / EndRampSteps, 2));
    QTimer::singleShot(step + 1 == EndRampSteps ? EndRampHold : EndRampStep, Qt::PreciseTimer, this,
                       [this, run, step] { rampStreamDown(run, step + 1); });
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

// Nothing here waits on the output: it is opened by the first start.
std::shared_ptr<GstPlayer::Pipeline> GstPlayer::buildPipeline() {
    GstOutputSink::initGStreamer();
    const QString sinkDescription = this->sinkDescription();
    auto pipeline = std::make_shared<Pipeline>(m_shared, ++m_pipelinesBuilt, !m_sinkFromEnvironment);
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
    gst_app_src_set_max_bytes(source, bytesIn(ChunkFrames));
    GstAppSrcCallbacks callbacks{};
    callbacks.need_data = &Pipeline::needData;
    gst_app_src_set_callbacks(source, &callbacks, pipeline.get(), nullptr);

    pipeline->bus = GstRef<GstBus>::adopt(gst_element_get_bus(pipeline->bin.get()));
    gst_bus_set_sync_handler(pipeline->bus.get(), &Pipeline::busMessage, pipeline.get(), nullptr);

    if (!m_worker) {
        // A sink that plays into a file or nowhere cannot hang, and its steps are taken at once, in the caller's order.
        m_worker =
            std::make_unique<PipelineWorker>(!m_sinkFromEnvironment || GstOutputSink::mayWait(pipeline->sink.get()));
    }
    return pipeline;
}

// Hands the opened file to the output. While an earlier start waits on the server, this one waits for it to tell.
void GstPlayer::startOutput() {
    if (m_starting || !m_decoder || (m_shared->evenLoudness && !(m_level && m_level->isKnown()))) {
        return;
    }
    if (!m_pipeline) {
        m_pipeline = buildPipeline();
    }
    auto feed = std::make_shared<PcmFeed>(std::move(m_decoder), framesIn(m_fadeIn), m_level);
    postStart([feed = std::move(feed)](Pipeline &pipeline, quint64 run, const QByteArray &title) {
        return pipeline.start(run, feed, title);
    });
}

void GstPlayer::halt() {
    haltOutput();
    m_decoder.reset();
    m_ending = false;
    m_dropping = false;
    m_dropAgain = false;
    m_dropFade = {};
    m_fadeEnd.reset();
    // Messages of the old run still queued are stale from here on.
    ++m_run;
}

// A start under way is halted once it has told how it went.
void GstPlayer::haltOutput() {
    if (m_live && !m_starting) {
        m_worker->post([pipeline = m_pipeline] { pipeline->halt(); });
        m_live = false;
    }
}

// The worker closes the pipeline after whatever it is doing with it: the owner never holds the last reference.
void GstPlayer::dropPipeline() {
    if (m_pipeline) {
        m_worker->post([pipeline = std::move(m_pipeline)]() mutable { pipeline.reset(); });
    }
    m_live = false;
    m_opened = false;
    ++m_run;
}

// What became wanted while a start was under way, once it has told how it went. A sound that is ending is left to
// its ramp.
void GstPlayer::catchUp() {
    if (m_ending) {
        return;
    }
    try {
        if (m_state == Player::Playing && m_decoder) {
            startOutput();
        } else {
            haltOutput();
        }
    } catch (const std::runtime_error &e) {
        qCWarning(lcPlayer) << e.what();
        endRecovery();
        setState(Undefined);
    }
}

void GstPlayer::outputLost(const QString &reason) {
    if (m_recovery.lost()) {
        qCWarning(lcPlayer).noquote() << "audio output lost:" << reason << "- reopening it while the sound plays";
        m_serverWatch.start();
    }
}

void GstPlayer::reopenOutput() {
    // A start still waiting on the server tells how it went by itself; another would only queue behind it.
    if (m_starting) {
        return;
    }
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

void GstPlayer::handleStartDone(quint64 run, quint64 pipeline, const QString &failure) {
    m_starting = false;
    const bool ours = m_pipeline && m_pipeline->serial == pipeline;
    if (ours && failure.isEmpty()) {
        m_opened = true;
    }
    if (run == m_run && m_ending) {
        // Stopped while it started: it ends in the ramp as well.
        if (failure.isEmpty()) {
            m_startedRun = run;
            endInRamp();
            return;
        }
        if (ours) {
            dropPipeline();
        }
        finishEnding();
        return;
    }
    if (run != m_run || m_state != Player::Playing) {
        if (ours && !failure.isEmpty()) {
            dropPipeline();
        }
        catchUp();
        return;
    }
    if (failure.isEmpty()) {
        m_startedRun = run;
        applyVolume();
        if (std::exchange(m_dropAgain, false)) {
            dropHeldAudio({});
        }
        return;
    }
    // An output that failed to open or start is of no further use: the next attempt builds the pipeline afresh.
    dropPipeline();
    if (!m_sinkFromEnvironment) {
        outputLost(failure);
        return;
    }
    qCWarning(lcPlayer).noquote() << "playback failed:" << failure;
    endRecovery();
    setState(Undefined);
}

void GstPlayer::handleEnd(quint64 run) {
    if (run == m_run && m_ending) {
        finishEnding();
    } else if (run == m_run && m_state == Player::Playing) {
        halt();
        setState(MediaEnded);
    }
}

void GstPlayer::handleStarted(quint64 run) {
    if (run == m_run && m_state == Player::Playing) {
        m_opened = true;
        endRecovery();
        // Once more on the open stream: a server that restores volumes per application or role (PipeWire's session
        // manager) overrides the one a stream opens with.
        applyVolume();
    }
}

void GstPlayer::handleLevelKnown(const SourceLevel *level) {
    if (level == m_level.get() && m_decoder) {
        catchUp();
    }
}

void GstPlayer::handleFailure(quint64 run, const QString &reason, bool fromPipeline) {
    if (run != m_run) {
        return;
    }
    if (fromPipeline) {
        // A pipeline that reported an error is never started again: its output may stay broken (a sound server that
        // went away, or hung), whichever element told of it.
        dropPipeline();
    }
    if (m_ending) {
        finishEnding();
        return;
    }
    if (m_state != Player::Playing) {
        return;
    }
    if (fromPipeline && !m_sinkFromEnvironment) {
        outputLost(reason);
        return;
    }
    qCWarning(lcPlayer) << "playback failed:" << reason;
    halt();
    endRecovery();
    setState(Undefined);
}
