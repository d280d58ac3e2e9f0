#include "gstoutput.h"

#include "gstoutputsink.h"
#include "gstplayerpipeline.h"
#include "pcmfeed.h"

#include <QLoggingCategory>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

using Output = OutputState::State;
using Event = OutputState::Event;

namespace {

Q_LOGGING_CATEGORY(lcOutput, "somnivox.player")

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
constexpr StreamRamp DropRamp{.steps = 3, .step = std::chrono::milliseconds(10), .hold = std::chrono::milliseconds(10)};
// The most that a fall may begin late by, held on the server: the fall then starts afresh from what is heard.
constexpr std::chrono::seconds HeldBeforeAFall{1};
// How long a stopped sound may take to play out its ramp before the output is released anyway.
constexpr int EndGraceMs = 2000;

} // namespace

GstOutput::GstOutput(std::function<bool()> nextSoundWaits, QObject *parent)
    : QObject(parent), m_nextSoundWaits(std::move(nextSoundWaits)),
      m_outage([this] { reopen(); }, [this] { Q_EMIT waitingChanged(); }),
      m_shared(std::make_shared<PipelineShared>(this)) {
    const QByteArray sink = qgetenv("SOMNIVOX_AUDIO_SINK").trimmed();
    m_sinkFromEnvironment = !sink.isEmpty();
    m_sinkDescription = QString::fromLocal8Bit(sink);
    m_shared->ended = [this](quint64 run) { handleEnd(run); };
    m_shared->started = [this](quint64 run) { handleStarted(run); };
    m_shared->failed = [this](quint64 run, const QString &reason, bool fromPipeline) {
        handleFailure(run, reason, fromPipeline);
    };
}

GstOutput::~GstOutput() {
    m_shared->forget();
    dropPipeline();
    m_worker.reset();
}

QString GstOutput::sinkDescription() const {
    return m_sinkFromEnvironment ? m_sinkDescription : GstOutputSink::defaultDescription();
}

PipelineWorker &GstOutput::prepare() {
    if (!m_pipeline) {
        m_pipeline = std::make_shared<GstPlayerPipeline>(m_shared, ++m_pipelinesBuilt, sinkDescription(),
                                                         !m_sinkFromEnvironment);
    }
    if (!m_worker) {
        // A sink that plays into a file or nowhere cannot hang, and its steps are taken at once, in the caller's order.
        m_worker =
            std::make_unique<PipelineWorker>(!m_sinkFromEnvironment || GstOutputSink::mayWait(m_pipeline->sink.get()));
    }
    return *m_worker;
}

void GstOutput::setDevice(const QByteArray &device) {
    if (m_sinkFromEnvironment || device == m_device) {
        return;
    }
    m_device = device;
    dropHeldAudio();
    // An output being reopened is tried on the new one at once.
    m_outage.tryNow();
}

void GstOutput::start(std::shared_ptr<PcmFeed> feed) {
    prepare();
    m_output.handle(Event::Start);
    postStart([feed = std::move(feed)](GstPlayerPipeline &pipeline, quint64 run, const QByteArray &title) {
        return pipeline.start(run, feed, title);
    });
}

// Runs \a start on the worker, whose outcome handleStartDone() is told.
void GstOutput::postStart(std::function<QString(GstPlayerPipeline &, quint64, const QByteArray &)> start) {
    m_worker->post(
        [this, pipeline = m_pipeline, run = m_run, title = m_title, device = m_device, start = std::move(start)] {
            pipeline->wantedDevice = device;
            const QString failure = start(*pipeline, run, title);
            pipeline->shared->post(
                [this, run, serial = pipeline->serial, failure] { handleStartDone(run, serial, failure); });
        });
}

void GstOutput::restartOutput() {
    m_output.handle(Event::Restart);
    ++m_run;
    postStart(
        [fade = std::exchange(m_dropFade, {})](GstPlayerPipeline &pipeline, quint64 run, const QByteArray &title) {
            return pipeline.restart(run, fade, title);
        });
}

bool GstOutput::beginEnding() {
    const Output before = m_output.state();
    const bool fedToTheEnd = (before == Output::Playing || before == Output::Dropping) && m_pipeline->feedEnded;
    if (m_output.ending()) {
        return true;
    }
    if (!m_soundWanted || fedToTheEnd || !m_output.handle(Event::Stop)) {
        return false;
    }
    if (m_output.state() == Output::Ending) {
        endInRamp(before == Output::Dropping);
    }
    return true;
}

void GstOutput::endInRamp(bool alreadyFalling) {
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

void GstOutput::finishEnding() {
    halt();
    Q_EMIT soundEnded();
}

// A drop that turns into a stop halfway keeps falling at its own pace (\a toEnd tells which it started as): the
// longer ramp would rise again.
void GstOutput::rampStreamDown(quint64 run, int step, bool toEnd) {
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

void GstOutput::halt() {
    if (m_output.running()) {
        m_worker->post([pipeline = m_pipeline] { pipeline->halt(); });
    }
    m_output.handle(Event::Halt);
    m_dropFade = {};
    m_fadeEnd.reset();
    ++m_run;
}

// The worker closes the pipeline after whatever it is doing with it: the owner never holds the last reference.
void GstOutput::dropPipeline() {
    if (m_pipeline) {
        m_worker->post([pipeline = std::move(m_pipeline)]() mutable { pipeline.reset(); });
    }
    m_output.handle(Event::Discard);
    ++m_run;
}

bool GstOutput::heldByServer() const {
    return m_pipeline && m_pipeline->openedForOwner && m_pipeline->streamVolume;
}

// Only the program's own changes are applied: a change made in the system mixer holds until the slider moves or the
// next stream opens. Until the output has opened, the start applies the volume itself.
void GstOutput::applyVolume() {
    if (heldByServer() && !m_output.ending() && m_output.state() != Output::Dropping) {
        m_pipeline->setStreamVolume(m_shared->volume / 100.0);
    }
}

void GstOutput::fadeOut(std::chrono::milliseconds duration, bool byDecibels) {
    if (!m_soundWanted || (m_output.state() != Output::Playing && m_output.state() != Output::Dropping)) {
        return;
    }
    // The feed runs ahead of what is heard by the audio still queued: the fall is shortened by that much, so that
    // silence is heard when the caller asked for it. A fall that begins while the server holds seconds would be heard
    // only once they have played, late and steep: it starts afresh from what is heard instead.
    const auto end = std::chrono::steady_clock::now() + duration;
    const qint64 queued = m_pipeline->framesQueued();
    const qint64 frames = PcmFeed::framesIn(duration) - queued;
    const bool beginsLate = !m_fadeEnd && queued > PcmFeed::framesIn(HeldBeforeAFall);
    if (!heldByServer() || (frames >= 0 && !beginsLate)) {
        m_pipeline->order({.frames = std::max<qint64>(frames, 0), .byDecibels = byDecibels});
        m_fadeEnd = end;
    } else if (!m_fadeEnd || end + DropRamp.length() < *m_fadeEnd) {
        dropHeldAudio(
            {.frames = PcmFeed::framesIn(std::max(duration - DropRamp.length(), std::chrono::milliseconds(0))),
             .byDecibels = byDecibels});
        m_fadeEnd = end;
    }
}

void GstOutput::cancelFadeOut() {
    if (!m_soundWanted || !m_fadeEnd || m_output.ending() || !m_pipeline) {
        return;
    }
    m_fadeEnd.reset();
    m_pipeline->order({.cancel = true});
    // What the server holds has fallen already.
    dropHeldAudio({.cancel = true});
}

// The stream falls silent in the ramp of a drop, starts afresh, and rises from silence. An output still starting drops
// what it holds once it has started; one that is not running takes the change as it starts.
void GstOutput::dropHeldAudio(const FadeOrder &fade) {
    const Output before = m_output.state();
    if (!m_soundWanted || !heldByServer() || !m_output.handle(Event::Drop)) {
        return;
    }
    m_dropFade = m_dropFade.then(fade);
    // A ramp under way ends in a restart that takes the latest change.
    if (before == Output::Playing) {
        rampStreamDown(m_run, 0, false);
    }
}

void GstOutput::reopen() {
    // A start still waiting on the server tells how it went by itself; another would only queue behind it.
    if (m_output.startOnWorker()) {
        return;
    }
    // While the server's socket refuses, no pipeline is built, and the watch on its folder tells when to try again.
    if (m_outage.nothingListens(sinkDescription() == GstOutputSink::Pulse)) {
        return;
    }
    Q_EMIT reopenWanted();
}

void GstOutput::handleStartDone(quint64 run, quint64 pipeline, const QString &failure) {
    const bool ours = m_pipeline && m_pipeline->serial == pipeline;
    if (ours && failure.isEmpty()) {
        m_pipeline->openedForOwner = true;
    }
    // A sound stopped meanwhile ends in its ramp; one no longer wanted is over.
    if (OutputState::starting(m_output.state()) && !m_output.ending() && (run != m_run || !m_soundWanted)) {
        m_output.handle(Event::Halt);
    }
    const Output before = m_output.state();
    m_output.handle(failure.isEmpty() ? Event::StartSucceeded : Event::StartFailed);
    if (before == Output::Abandoned) {
        // The start of a sound that is over: its output is halted, or the sound given meanwhile starts on it.
        if (ours && !failure.isEmpty()) {
            dropPipeline();
        } else if (ours && !m_nextSoundWaits()) {
            m_worker->post([pipeline = m_pipeline] { pipeline->halt(); });
        }
        Q_EMIT readyForNext();
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
            dropHeldAudio();
        }
    } else {
        // An output that failed to open or start is of no further use: the next attempt builds the pipeline afresh.
        dropPipeline();
        if (!m_sinkFromEnvironment) {
            m_outage.lost(failure);
            return;
        }
        qCWarning(lcOutput).noquote() << "playback failed:" << failure;
        m_outage.end();
        Q_EMIT failed();
    }
}

void GstOutput::handleEnd(quint64 run) {
    if (run == m_run && m_output.ending()) {
        finishEnding();
    } else if (run == m_run && m_soundWanted) {
        Q_EMIT mediaEnded();
    }
}

void GstOutput::handleStarted(quint64 run) {
    if (run == m_run && m_soundWanted) {
        m_pipeline->openedForOwner = true;
        m_outage.end();
        // Once more on the open stream: a server that restores volumes per application or role (PipeWire's session
        // manager) overrides the one a stream opens with.
        applyVolume();
    }
}

void GstOutput::handleFailure(quint64 run, const QString &reason, bool fromPipeline) {
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
    if (!m_soundWanted) {
        return;
    }
    if (fromPipeline && !m_sinkFromEnvironment) {
        m_outage.lost(reason);
        return;
    }
    qCWarning(lcOutput) << "playback failed:" << reason;
    m_outage.end();
    Q_EMIT failed();
}
