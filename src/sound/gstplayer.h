#pragma once

#include "decoderopening.h"
#include "fadeorder.h"
#include "loudnesslevels.h"
#include "outputoutage.h"
#include "outputstate.h"
#include "pipelineworker.h"
#include "player.h"

#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

class Decoder;
class MixGains;
struct GstPlayerPipeline;
class PipelineShared;
class SourceLevel;

/// The player on GStreamer: libmpg123 (gapless) or libsndfile decodes the file into
/// `appsrc ! audioconvert ! sink`. Looping restarts the decoder inside the feed, so the pipeline plays one endless
/// stream with no seam; the rate is a resampling step of the feed, and the fades and the volume are computed there
/// too, and so is each file's gain to the program's one loudness (see LoudnessLevels): a file whose level is not yet
/// known starts once its quick estimate is, some tens of milliseconds later. The sink is the GStreamer description in
/// the environment variable SOMNIVOX_AUDIO_SINK when it is set, otherwise `pulsesink` (PulseAudio, or PipeWire's pulse
/// server), or `autoaudiosink` where GStreamer has no pulse plugin.
///
/// The default output outlives its sound server: when it fails or cannot be opened (server gone or not yet started,
/// stream killed, only a fake sink found), the player keeps playing in name, reopens the output after growing pauses
/// (OutputOutage) and sooner when the server's socket folder changes, and starts the file afresh once it opens. One
/// warning is logged per outage. A sink named by SOMNIVOX_AUDIO_SINK fails instead, as the tests expect.
///
/// Whatever may wait on the output or the file (opening the file, and opening, starting, halting and closing the
/// output) runs on a thread of the player's own,
/// one step after another, so that a sound server that accepts and never answers holds no caller: the calls return
/// at once and their outcome arrives later. While such a step hangs, no further pipeline is built.
///
/// A sound server is handed a second of audio at a time and holds up to four, so that the program and the server
/// sleep between: the volume acts on the server at once whatever it holds, a stop ramps the stream's volume down
/// and drops the rest, and a change of rate, or a fade-out to end within what is held, drops what the server holds
/// and goes on from where the feed is, rising from silence after a ramp down.
///
/// The stream names itself to the sound server (application, icon, role, and the file's base name as its title), and
/// where the sink has a stream volume (pulsesink) the volume is set there, where the system mixer shows it, instead of
/// in the feed.
///
/// A file that cannot be played (missing, unreadable, empty, not MPEG audio) is not an error of setUrl: the player
/// is then simply not playing, and the reason is logged. Failures and the end of a file arrive as queued events on
/// the thread that owns the player; playState() changes only there. The output's life is one OutputState, which
/// says what each of them leads to.
class GstPlayer final : public Player {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(GstPlayer)

public:
    /// Values of playState(), as the original player numbered them.
    enum State { Undefined = 0, Stopped = 1, MediaEnded = 8 };

    /// Opens a sound file: openDecoder() unless a test hands in another.
    using DecoderOpener = DecoderOpening::Opener;

    /// Reads SOMNIVOX_AUDIO_SINK; the pipeline is built at the first setUrl().
    explicit GstPlayer(QObject *parent = nullptr);
    /// As above, opening each file with \a openDecoder on the worker.
    GstPlayer(DecoderOpener openDecoder, QObject *parent);
    ~GstPlayer() override;

    /// Returns at once: \a path is opened and its first frame decoded on the worker, never on the caller's thread.
    /// The player is Playing in name meanwhile; a file that turns out unplayable leaves it Undefined, told by
    /// playStateChanged. A sink from SOMNIVOX_AUDIO_SINK that plays into a file or nowhere cannot wait, and its worker
    /// takes each step at once, in the caller's order: the file is then opened, and its outcome told, before this
    /// returns. Throws std::runtime_error only
    /// when the pipeline cannot be built (a GStreamer element missing, a SOMNIVOX_AUDIO_SINK that does not parse or
    /// link). An output that then fails to open is told later: the default one is reopened, one from
    /// SOMNIVOX_AUDIO_SINK leaves the player Undefined. A sound that plays ends in the ramp of a stop first, and the
    /// file starts after it.
    void setUrl(const QString &path, std::chrono::milliseconds fadeIn) override;
    void fadeOut(std::chrono::milliseconds duration) override;
    void fadeOutByDecibels(std::chrono::milliseconds duration) override;
    /// What the server holds of the fall is dropped, so the full level is heard within a few tens of milliseconds.
    void cancelFadeOut() override;
    void setLoop(bool on) override;
    /// Clamped to 0..100.
    void setVolume(int volume) override;
    /// Clamped to 0.1..50; a value that is not a number is ignored. Heard within a few tenths of a second.
    void setRate(double rate) override;
    void setEvenLoudness(bool on) override;
    /// A change of volumes alone reaches the playing mix at once, and what the server holds is dropped as for a change
    /// of rate; any other change is a setUrl() with a short rise.
    void setMixLayers(const QString &source) override;
    /// Playback is over for the caller at once; the sound ends in a short ramp before the output is released: after
    /// what is already queued, or, on a sink with a stream volume, at once, what the server holds being dropped. An
    /// output still starting ramps down as soon as it has started. A file given during the ramp starts after it.
    void stop() override;
    int playState() const override;
    bool isEnding() const override;
    bool isWaitingForOutput() const override;
    /// What plays ramps down, starts afresh on the new output where the feed is, and rises from silence, as at a change
    /// of pitch. A sink named by SOMNIVOX_AUDIO_SINK ignores it.
    void setOutputDevice(const QString &name) override;
    /// The GStreamer description of the sink asked for: SOMNIVOX_AUDIO_SINK's, or the default output's.
    QString sinkDescription() const;

private:
    void setState(int state);
    void buildPipeline();
    void openFile();
    void takeOpened(std::shared_ptr<DecoderOpening> opening);
    void applyVolume();
    bool heldByServer() const;
    void fadeOutAlong(std::chrono::milliseconds duration, bool byDecibels);
    void dropHeldAudio(const FadeOrder &fade);
    void restartOutput();
    void postStart(std::function<QString(GstPlayerPipeline &, quint64, const QByteArray &)> start);
    bool beginEnding();
    void endInRamp(bool alreadyFalling);
    void finishEnding();
    void rampStreamDown(quint64 run, int step, bool toEnd);
    void halt();
    void dropPipeline();
    void catchUp();
    void startOutput();
    void reopenOutput();
    void handleStartDone(quint64 run, quint64 pipeline, const QString &failure);
    void handleEnd(quint64 run);
    void handleStarted(quint64 run);
    void handleFailure(quint64 run, const QString &reason, bool fromPipeline);
    void handleLevelKnown(const SourceLevel *level);

    DecoderOpener m_openDecoder;
    QString m_sinkDescription;
    bool m_sinkFromEnvironment = false;
    OutputOutage m_outage;
    std::shared_ptr<PipelineShared> m_shared;
    std::unique_ptr<PipelineWorker> m_worker;
    std::shared_ptr<GstPlayerPipeline> m_pipeline;
    OutputState m_output;
    // The present file while it opens on the worker, and then, opened, until a start of the output takes it.
    std::shared_ptr<DecoderOpening> m_opening;
    std::unique_ptr<Decoder> m_decoder;
    LoudnessLevels m_levels;
    // The level of the present file.
    std::shared_ptr<SourceLevel> m_level;
    // The layers' volumes of the mix that plays, which its decoder reads as it plays.
    std::shared_ptr<MixGains> m_mixGains;
    QString m_path;
    // The sound server's output asked for; empty for its default.
    QByteArray m_outputDevice;
    int m_state = Undefined;
    std::chrono::milliseconds m_fadeIn{0};
    // The change of fade-out that the stream started afresh after a drop starts with.
    FadeOrder m_dropFade;
    // When the fade-out under way is heard to reach silence.
    std::optional<std::chrono::steady_clock::time_point> m_fadeEnd;
    quint64 m_run = 0;
    quint64 m_pipelinesBuilt = 0;
};
