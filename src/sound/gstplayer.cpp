#include "gstplayer.h"

#include "decoder.h"
#include "decoderopening.h"
#include "gstoutputsink.h"
#include "gstplayerpipeline.h"
#include "mixgains.h"
#include "mixsource.h"
#include "mp3decoder.h"
#include "pcmfeed.h"
#include "sourcelevel.h"

#include <QFileInfo>
#include <QLoggingCategory>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

using Output = OutputState::State;
using Event = OutputState::Event;

namespace {

Q_LOGGING_CATEGORY(lcPlayer, "somnivox.player")

constexpr double MinRate = 0.1;
constexpr double MaxRate = 50.0;
// The ramps that end a stopped sound, and what the server holds when it is dropped, on a sink with a volume of its
// own, in steps of that volume, falling steeply first. A sound server applies a volume to a block of some 10 ms at a
// time, so each step lasts that long; the stream goes only once its silence is being played, lest it end in a cut.
// A drop goes on at once with the same sound, so its ramp is short: a change of pitch or in the mixer is heard sooner.
struct StreamRamp {
    int steps;
    std::chrono::milliseconds step;
    std::chrono::milliseconds hold;

    std::chrono::milliseconds length() const { return step * (steps - 1) + hold; }
};
constexpr StreamRamp EndRamp{.steps = 5, .step = std::chrono::milliseconds(10), .hold = std::chrono::milliseconds(30)};
// The most that a fall may begin late by, held on the server: the fall then starts afresh from what is heard.
constexpr std::chrono::seconds HeldBeforeAFall{1};
constexpr StreamRamp DropRamp{.steps = 3, .step = std::chrono::milliseconds(10), .hold = std::chrono::milliseconds(10)};
// How long a stopped sound may take to play out its ramp before the output is released anyway.
constexpr int EndGraceMs = 2000;
// The rise of a mix started afresh with other layers: short, yet no click.
constexpr std::chrono::milliseconds LayersChangedRise{30};

qint64 framesIn(std::chrono::milliseconds duration) {
    return duration.count() * Mp3Decoder::SampleRate / 1000;
}

} // namespace

GstPlayer::GstPlayer(QObject *parent) : GstPlayer(openDecoder, parent) {}

GstPlayer::GstPlayer(DecoderOpener opener, QObject *parent)
    : Player(parent), m_openDecoder(std::move(opener)),
      m_outage([this] { reopenOutput(); }, [this] { Q_EMIT waitingForOutputChanged(); }),
      m_shared(std::make_shared<PipelineShared>(this)) {
    const QByteArray sink = qgetenv("SOMNIVOX_AUDIO_SINK").trimmed();
    m_sinkFromEnvironment = !sink.isEmpty();
    m_sinkDescription = QString::fromLocal8Bit(sink);
    m_shared->ended = [this](quint64 run) { handleEnd(run); };
    m_shared->started = [this](quint64 run) { handleStarted(run); };
    m_shared->failed = [this](quint64 run, const QString &reason, bool fromPipeline) {
        handleFailure(run, reason, fromPipeline);
    };
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
    m_level = m_levels.levelOf(path);
    m_mixGains.reset();
    setState(Undefined);
    if (!m_pipeline) {
        buildPipeline();
    }
    openFile();
}

// The file is opened on the worker, behind whatever waits there; the player plays in name meanwhile.
void GstPlayer::openFile() {
    m_opening = DecoderOpening::post(*m_worker, m_openDecoder, m_path,
                                     [this, shared = m_shared](const std::shared_ptr<DecoderOpening> &opening) {
                                         shared->post([this, opening] { takeOpened(opening); });
                                     });
    takeOpened(m_opening);
    if (m_opening) {
        setState(Player::Playing);
    }
}

// The file of the present sound has been opened, or has turned out unplayable.
void GstPlayer::takeOpened(std::shared_ptr<DecoderOpening> opening) {
    if (opening != m_opening || !opening->ready()) {
        return;
    }
    m_opening.reset();
    m_decoder = opening->take();
    m_mixGains = m_decoder ? m_decoder->mixGains() : nullptr;
    if (!m_decoder) {
        m_outage.end();
        qCWarning(lcPlayer) << "cannot play" << qUtf8Printable(opening->failure());
        setState(Undefined);
        return;
    }
    // Playing in name from here: the output starts on the worker, and the recovery takes over if it does not.
    setState(Player::Playing);
    catchUp();
}

void GstPlayer::fadeOut(std::chrono::milliseconds duration) {
    fadeOutAlong(duration, false);
}

void GstPlayer::fadeOutByDecibels(std::chrono::milliseconds duration) {
    fadeOutAlong(duration, true);
}

void GstPlayer::cancelFadeOut() {
    if (m_state != Player::Playing || !m_fadeEnd || m_output.ending() || !m_pipeline) {
        return;
    }
    m_fadeEnd.reset();
    m_pipeline->order({.cancel = true});
    // What the server holds has fallen already.
    dropHeldAudio({.cancel = true});
}

void GstPlayer::fadeOutAlong(std::chrono::milliseconds duration, bool byDecibels) {
    if (m_state != Player::Playing || (m_output.state() != Output::Playing && m_output.state() != Output::Dropping)) {
        return;
    }
    // The feed runs ahead of what is heard by the audio still queued: the fall is shortened by that much, so that
    // silence is heard when the caller asked for it. A fall that begins while the server holds seconds would be heard
    // only once they have played, late and steep: it starts afresh from what is heard instead.
    const auto end = std::chrono::steady_clock::now() + duration;
    const qint64 queued = m_pipeline->framesQueued();
    const qint64 frames = framesIn(duration) - queued;
    const bool beginsLate = !m_fadeEnd && queued > framesIn(HeldBeforeAFall);
    if (!heldByServer() || (frames >= 0 && !beginsLate)) {
        m_pipeline->order({.frames = std::max<qint64>(frames, 0), .byDecibels = byDecibels});
        m_fadeEnd = end;
    } else if (!m_fadeEnd || end + DropRamp.length() < *m_fadeEnd) {
        dropHeldAudio({.frames = framesIn(std::max(duration - DropRamp.length(), std::chrono::milliseconds(0))),
                       .byDecibels = byDecibels});
        m_fadeEnd = end;
    }
}

void GstPlayer::setEvenLoudness(bool on) {
    m_shared->evenLoudness = on;
    // A file that waits for its level waits no more.
    if (!on) {
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
    if (heldByServer() && !m_output.ending() && m_output.state() != Output::Dropping) {
        m_pipeline->setStreamVolume(m_shared->volume / 100.0);
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

void GstPlayer::setMixLayers(const QString &source) {
    const auto playing = MixSource::layersOf(m_path);
    const auto next = MixSource::layersOf(source);
    if (m_state != Player::Playing || !playing || !next || source == m_path) {
        return;
    }
    const auto paths = [](const QList<MixSource::Layer> &layers) {
        QStringList paths;
        for (const MixSource::Layer &layer : layers) {
            paths << layer.path;
        }
        return paths;
    };
    if (!m_mixGains || paths(*playing) != paths(*next)) {
        setUrl(source, LayersChangedRise);
        return;
    }
    QList<int> volumes;
    for (const MixSource::Layer &layer : *next) {
        volumes << layer.volume;
    }
    m_path = source;
    m_mixGains->setVolumes(volumes);
    dropHeldAudio({});
}

bool GstPlayer::heldByServer() const {
    return m_pipeline && m_pipeline->openedForOwner && m_pipeline->streamVolume;
}

// What the server holds ahead is dropped and the feed goes on from where it is, so that a change made to it is heard
// at once: the stream falls silent in the ramp of a stop, starts afresh, and rises from silence. The change of
// fade-out \a fade starts with it. An output still starting drops what it holds once it has started; one that is
// not running takes the change as it starts.
void GstPlayer::dropHeldAudio(const FadeOrder &fade) {
    const Output before = m_output.state();
    if (m_state != Player::Playing || !heldByServer() || !m_output.handle(Event::Drop)) {
        return;
    }
    m_dropFade = m_dropFade.then(fade);
    // A ramp under way ends in a restart that takes the latest change.
    if (before == Output::Playing) {
        rampStreamDown(m_run, 0, false);
    }
}

void GstPlayer::restartOutput() {
    m_output.handle(Event::Restart);
    ++m_run;
    postStart(
        [fade = std::exchange(m_dropFade, {})](GstPlayerPipeline &pipeline, quint64 run, const QByteArray &title) {
            return pipeline.restart(run, fade, title);
        });
}

// Runs \a start on the worker, whose outcome handleStartDone() is told.
void GstPlayer::postStart(std::function<QString(GstPlayerPipeline &, quint64, const QByteArray &)> start) {
    m_worker->post([this, pipeline = m_pipeline, run = m_run, title = QFileInfo(m_path).completeBaseName().toUtf8(),
                    device = m_outputDevice, start = std::move(start)] {
        pipeline->wantedDevice = device;
        const QString failure = start(*pipeline, run, title);
        pipeline->shared->post(
            [this, run, serial = pipeline->serial, failure] { handleStartDone(run, serial, failure); });
    });
}

void GstPlayer::stop() {
    // A file given while the sound was ending never starts.
    m_decoder.reset();
    m_opening.reset();
    if (!beginEnding()) {
        halt();
    }
    m_outage.end();
    setState(Stopped);
}

// The sound that may be heard starts its ramp down, unless it is ending already; whether it is ending. An output still
// starting ramps down once it tells it has started: it may be heard already.
bool GstPlayer::beginEnding() {
    const Output before = m_output.state();
    const bool fedToTheEnd = (before == Output::Playing || before == Output::Dropping) && m_pipeline->feedEnded;
    if (m_output.ending()) {
        return true;
    }
    if (m_state != Player::Playing || fedToTheEnd || !m_output.handle(Event::Stop)) {
        return false;
    }
    if (m_output.state() == Output::Ending) {
        endInRamp(before == Output::Dropping);
    }
    return true;
}

bool GstPlayer::isEnding() const {
    return m_output.ending();
}

bool GstPlayer::isWaitingForOutput() const {
    return m_state == Player::Playing && m_outage.active();
}

void GstPlayer::setOutputDevice(const QString &name) {
    const QByteArray device = name.toUtf8();
    if (m_sinkFromEnvironment || device == m_outputDevice) {
        return;
    }
    m_outputDevice = device;
    dropHeldAudio({});
    // An output being reopened is tried on the new one at once.
    m_outage.tryNow();
}

void GstPlayer::endInRamp(bool alreadyFalling) {
    const quint64 run = m_run;
    if (heldByServer()) {
        // What the server holds ahead is not waited for: the stream falls silent in a few steps of its volume,
        // which the server applies at once, and then goes with what it held. A ramp already falling for a
        // restart ends the sound instead. A server that does not answer would read the steps one by one, playing
        // on meanwhile: the stream goes at once, unheard until the server answers, and then first.
        if (!m_pipeline->serverAnswers()) {
            finishEnding();
        } else if (!alreadyFalling) {
            rampStreamDown(run, 0, true);
        }
    } else {
        // The output plays on until the ramp has been heard; the end of the stream then releases it.
        m_pipeline->ending = true;
        QTimer::singleShot(EndGraceMs, this, [this, run] {
            if (run == m_run && m_output.state() == Output::Ending) {
                finishEnding();
            }
        });
    }
}

// The ramp has been heard: the output is released, and a file given meanwhile starts.
void GstPlayer::finishEnding() {
    std::unique_ptr<Decoder> next = std::move(m_decoder);
    std::shared_ptr<DecoderOpening> opening = std::move(m_opening);
    halt();
    Q_EMIT soundEnded();
    if (m_state == Player::Playing) {
        m_decoder = std::move(next);
        m_opening = std::move(opening);
        catchUp();
    }
}

// A drop that turns into a stop halfway keeps falling at its own pace (\a toEnd tells which it started as): the
// longer ramp would rise again.
void GstPlayer::rampStreamDown(quint64 run, int step, bool toEnd) {
    const Output output = m_output.state();
    if (run != m_run || (output != Output::Ending && output != Output::Dropping)) {
        return;
    }
    const StreamRamp &ramp = toEnd ? EndRamp : DropRamp;
    if (step == ramp.steps) {
        output == Output::Ending ? finishEnding() : restartOutput();
        return;
    }
    m_pipeline->setStreamVolume(m_shared->volume / 100.0 * std::pow(double(ramp.steps - 1 - step) / ramp.steps, 2));
    QTimer::singleShot(step + 1 == ramp.steps ? ramp.hold : ramp.step, Qt::PreciseTimer, this,
                       [this, run, step, toEnd] { rampStreamDown(run, step + 1, toEnd); });
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

void GstPlayer::buildPipeline() {
    m_pipeline =
        std::make_shared<GstPlayerPipeline>(m_shared, ++m_pipelinesBuilt, sinkDescription(), !m_sinkFromEnvironment);
    if (!m_worker) {
        // A sink that plays into a file or nowhere cannot hang, and its steps are taken at once, in the caller's order.
        m_worker =
            std::make_unique<PipelineWorker>(!m_sinkFromEnvironment || GstOutputSink::mayWait(m_pipeline->sink.get()));
    }
}

// Hands the opened file to the output.
void GstPlayer::startOutput() {
    if (!m_pipeline) {
        buildPipeline();
    }
    m_output.handle(Event::Start);
    auto feed = std::make_shared<PcmFeed>(std::move(m_decoder), framesIn(m_fadeIn), m_level);
    postStart([feed = std::move(feed)](GstPlayerPipeline &pipeline, quint64 run, const QByteArray &title) {
        return pipeline.start(run, feed, title);
    });
}

// Whatever plays is halted, and messages of its run still queued are stale from here on.
void GstPlayer::halt() {
    if (m_output.running()) {
        m_worker->post([pipeline = m_pipeline] { pipeline->halt(); });
    }
    m_output.handle(Event::Halt);
    m_decoder.reset();
    m_opening.reset();
    m_dropFade = {};
    m_fadeEnd.reset();
    ++m_run;
}

// The worker closes the pipeline after whatever it is doing with it: the owner never holds the last reference.
void GstPlayer::dropPipeline() {
    if (m_pipeline) {
        m_worker->post([pipeline = std::move(m_pipeline)]() mutable { pipeline.reset(); });
    }
    m_output.handle(Event::Discard);
    ++m_run;
}

// The opened file starts once the output is free (nothing runs or starts on the worker) and, while even loudness is
// on, once its level is known.
void GstPlayer::catchUp() {
    if (m_state != Player::Playing || !m_decoder || m_output.state() != Output::Closed ||
        (m_shared->evenLoudness && !(m_level && m_level->isKnown()))) {
        return;
    }
    try {
        startOutput();
    } catch (const std::runtime_error &e) {
        qCWarning(lcPlayer) << e.what();
        m_outage.end();
        setState(Undefined);
    }
}

void GstPlayer::reopenOutput() {
    // A start still waiting on the server tells how it went by itself; another would only queue behind it.
    if (m_output.startOnWorker()) {
        return;
    }
    // While the server's socket refuses, no pipeline is built, and the watch on its folder tells when to try again.
    if (m_outage.nothingListens(sinkDescription() == GstOutputSink::Pulse)) {
        return;
    }
    // The file starts afresh; one that has become unplayable ends the outage.
    const QString path = m_path;
    try {
        setUrl(path, m_fadeIn);
    } catch (const std::runtime_error &e) {
        qCWarning(lcPlayer) << e.what();
        m_outage.end();
        setState(Undefined);
    }
}

void GstPlayer::handleStartDone(quint64 run, quint64 pipeline, const QString &failure) {
    const bool ours = m_pipeline && m_pipeline->serial == pipeline;
    if (ours && failure.isEmpty()) {
        m_pipeline->openedForOwner = true;
    }
    // A sound stopped meanwhile ends in its ramp; one no longer wanted is over.
    if (OutputState::starting(m_output.state()) && !m_output.ending() && (run != m_run || m_state != Player::Playing)) {
        m_output.handle(Event::Halt);
    }
    const Output before = m_output.state();
    m_output.handle(failure.isEmpty() ? Event::StartSucceeded : Event::StartFailed);
    if (before == Output::Abandoned) {
        // The start of a sound that is over: its output is halted, or the file given meanwhile starts on it.
        if (ours && !failure.isEmpty()) {
            dropPipeline();
        } else if (ours && !(m_state == Player::Playing && m_decoder)) {
            m_worker->post([pipeline = m_pipeline] { pipeline->halt(); });
        }
        catchUp();
    } else if (before == Output::StartingToEnd) {
        // Stopped while it started: it ends in the ramp as well.
        if (failure.isEmpty()) {
            endInRamp(false);
            return;
        }
        if (ours) {
            dropPipeline();
        }
        finishEnding();
    } else if (failure.isEmpty()) {
        applyVolume();
        if (before == Output::StartingToDrop) {
            dropHeldAudio({});
        }
    } else {
        // An output that failed to open or start is of no further use: the next attempt builds the pipeline afresh.
        dropPipeline();
        if (!m_sinkFromEnvironment) {
            m_outage.lost(failure);
            return;
        }
        qCWarning(lcPlayer).noquote() << "playback failed:" << failure;
        m_outage.end();
        setState(Undefined);
    }
}

void GstPlayer::handleEnd(quint64 run) {
    if (run == m_run && m_output.ending()) {
        finishEnding();
    } else if (run == m_run && m_state == Player::Playing) {
        halt();
        setState(MediaEnded);
    }
}

void GstPlayer::handleStarted(quint64 run) {
    if (run == m_run && m_state == Player::Playing) {
        m_pipeline->openedForOwner = true;
        m_outage.end();
        // Once more on the open stream: a server that restores volumes per application or role (PipeWire's session
        // manager) overrides the one a stream opens with.
        applyVolume();
    }
}

void GstPlayer::handleLevelKnown(const SourceLevel *level) {
    if (level == m_level.get()) {
        catchUp();
    }
}

void GstPlayer::handleFailure(quint64 run, const QString &reason, bool fromPipeline) {
    if (run != m_run) {
        return;
    }
    const bool ending = m_output.ending();
    if (fromPipeline) {
        // A pipeline that reported an error is never started again: its output may stay broken (a sound server that
        // went away, or hung), whichever element told of it.
        dropPipeline();
    }
    if (ending) {
        finishEnding();
        return;
    }
    if (m_state != Player::Playing) {
        return;
    }
    if (fromPipeline && !m_sinkFromEnvironment) {
        m_outage.lost(reason);
        return;
    }
    qCWarning(lcPlayer) << "playback failed:" << reason;
    halt();
    m_outage.end();
    setState(Undefined);
}
