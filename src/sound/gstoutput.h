#pragma once

#include "fadeorder.h"
#include "outputoutage.h"
#include "outputstate.h"
#include "pipelineworker.h"

#include <QByteArray>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class PcmFeed;
struct GstPlayerPipeline;
class PipelineShared;

/// The player's output on GStreamer: the pipeline `appsrc ! audioconvert ! sink` that plays a feed, and its life, one
/// OutputState, which says what each call and each outcome leads to. The sink is the GStreamer description in the
/// environment variable SOMNIVOX_AUDIO_SINK when it is set, otherwise `pulsesink` (PulseAudio, or PipeWire's pulse
/// server), or `autoaudiosink` where GStreamer has no pulse plugin.
///
/// Whatever may wait on the output (opening, starting, halting and closing it) runs on a thread of its own, one step
/// after another, so that a sound server that accepts and never answers holds no caller: the calls return at once and
/// their outcome arrives later. While such a step hangs, no further pipeline is built.
///
/// A sound server is handed seconds of audio at a time and holds several (GstOutputSink), so that the program and the
/// server sleep between: the volume acts on the server at once whatever it holds, a stop ramps the stream's volume down
/// and drops the rest, and a change of rate, a fade-out to end within what is held, or one that begins while more than
/// a second is held, drops what the server holds and goes on from where the feed is, rising from silence after a ramp
/// down. Where the sink has a stream volume (pulsesink) the volume is set there, where the system mixer shows it,
/// instead of in the feed.
///
/// The default output outlives its sound server: when it fails or cannot be opened (server gone or not yet started,
/// stream killed, only a fake sink found), reopenWanted() asks for the sound afresh after growing pauses
/// (OutputOutage), sooner when the server's socket folder changes. One warning is logged per outage. A sink named by
/// SOMNIVOX_AUDIO_SINK fails instead, as the tests expect.
class GstOutput final : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GstOutput)

public:
    /// Reads SOMNIVOX_AUDIO_SINK; the pipeline is built when first wanted. \a nextSoundWaits tells whether a sound is
    /// ready to start once the output is free.
    GstOutput(std::function<bool()> nextSoundWaits, QObject *parent = nullptr);
    /// A pipeline stuck on a hung server is not waited for beyond the worker's bound: it is left to end on its own.
    ~GstOutput() override;

    /// The settings the feed reads as it plays, and the way back to this thread.
    const std::shared_ptr<PipelineShared> &shared() const { return m_shared; }
    /// Builds the pipeline unless there is one, and gives the thread that a file is opened on, behind whatever waits
    /// there. Throws std::runtime_error when the pipeline cannot be built.
    PipelineWorker &prepare();
    /// The GStreamer description of the sink asked for: SOMNIVOX_AUDIO_SINK's, or the default output's.
    QString sinkDescription() const;

    /// Whether the player wants sound: what the output tells of a sound no longer wanted is stale.
    void setSoundWanted(bool wanted) { m_soundWanted = wanted; }
    /// The stream's name on the sound server.
    void setTitle(const QByteArray &title) { m_title = title; }
    /// The sound server's output asked for; empty for its default. What plays moves there as at a change of pitch.
    void setDevice(const QByteArray &device);

    /// Nothing runs or starts, so a feed may start.
    bool isFree() const { return m_output.state() == OutputState::State::Closed; }
    /// Hands \a feed to the output. Throws std::runtime_error when the pipeline cannot be built.
    void start(std::shared_ptr<PcmFeed> feed);
    /// The sound that may be heard starts its ramp down, unless it is ending already; whether it is ending. An output
    /// still starting ramps down once it tells it has started: it may be heard already.
    bool beginEnding();
    bool isEnding() const { return m_output.ending(); }
    /// Whatever plays is halted, and messages of its run still queued are stale from here on.
    void halt();

    /// Sets the volume on the server's stream, where the sink has one; the feed reads it otherwise.
    void applyVolume();
    /// The sound falls to silence in \a duration from now, evenly or by even decibels.
    void fadeOut(std::chrono::milliseconds duration, bool byDecibels);
    /// Full level again, heard within a few tens of milliseconds.
    void cancelFadeOut();
    /// What the server holds ahead is dropped and the feed goes on from where it is, so that a change made to it is
    /// heard at once; the change of fade-out \a fade starts with it.
    void dropHeldAudio(const FadeOrder &fade = {});

    /// The outage: whether the output is being reopened, and its end.
    bool isWaiting() const { return m_outage.active(); }
    void endOutage() { m_outage.end(); }

Q_SIGNALS:
    /// The ramp of a stopped sound has been heard and the output released.
    void soundEnded();
    /// The sound played to its end.
    void mediaEnded();
    /// The output failed for good (a sink from SOMNIVOX_AUDIO_SINK); the reason is logged.
    void failed();
    /// The output is free for the next sound.
    void readyForNext();
    /// The sound should start afresh: its output may answer now.
    void reopenWanted();
    void waitingChanged();

private:
    bool heldByServer() const;
    void restartOutput();
    void postStart(std::function<QString(GstPlayerPipeline &, quint64, const QByteArray &)> start);
    void endInRamp(bool alreadyFalling);
    void finishEnding();
    void rampStreamDown(quint64 run, int step, bool toEnd);
    void dropPipeline();
    void reopen();
    void handleStartDone(quint64 run, quint64 pipeline, const QString &failure);
    void handleEnd(quint64 run);
    void handleStarted(quint64 run);
    void handleFailure(quint64 run, const QString &reason, bool fromPipeline);

    std::function<bool()> m_nextSoundWaits;
    QString m_sinkDescription;
    bool m_sinkFromEnvironment = false;
    OutputOutage m_outage;
    std::shared_ptr<PipelineShared> m_shared;
    std::unique_ptr<PipelineWorker> m_worker;
    std::shared_ptr<GstPlayerPipeline> m_pipeline;
    OutputState m_output;
    bool m_soundWanted = false;
    QByteArray m_title;
    QByteArray m_device;
    // The change of fade-out that the stream started afresh after a drop starts with.
    FadeOrder m_dropFade;
    // When the fade-out under way is heard to reach silence.
    std::optional<std::chrono::steady_clock::time_point> m_fadeEnd;
    quint64 m_run = 0;
    quint64 m_pipelinesBuilt = 0;
};
