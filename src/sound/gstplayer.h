#pragma once

#include "decoderopening.h"
#include "gstoutput.h"
#include "loudnesslevels.h"
#include "player.h"

#include <QString>

#include <chrono>
#include <memory>
#include <stdexcept>

class Decoder;
class MixGains;
class SourceLevel;

/// The player on GStreamer: libmpg123 (gapless) or libsndfile decodes the file into a PcmFeed that GstOutput plays.
/// Looping restarts the decoder inside the feed, so the output plays one endless stream with no seam; the rate is a
/// resampling step of the feed, and the fades and the volume are computed there too, and so is each file's gain to
/// the program's one loudness (see LoudnessLevels): a file whose level is not yet known starts once its quick estimate
/// is, some tens of milliseconds later.
///
/// The file is opened on the output's worker, never on the caller's thread. When the output is lost the player keeps
/// playing in name, and starts the file afresh once the output answers again.
///
/// The stream names itself to the sound server (application, icon, role, and the file's base name as its title).
///
/// A file that cannot be played (missing, unreadable, empty, not MPEG audio) is not an error of setUrl: the player
/// is then simply not playing, and the reason is logged. Failures and the end of a file arrive as queued events on
/// the thread that owns the player; playState() changes only there.
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
    /// returns. Throws std::runtime_error only when the pipeline cannot be built (a GStreamer element missing, a
    /// SOMNIVOX_AUDIO_SINK that does not parse or link). An output that then fails to open is told later: the default
    /// one is reopened, one from SOMNIVOX_AUDIO_SINK leaves the player Undefined. A sound that plays ends in the ramp
    /// of a stop first, and the file starts after it.
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
    void setPath(const QString &path);
    void openFile();
    void takeOpened(std::shared_ptr<DecoderOpening> opening);
    void halt();
    void catchUp();
    void reopen();
    void giveUp(const std::runtime_error &error);
    void handleSoundEnded();
    void handleLevelKnown(const SourceLevel *level);

    DecoderOpener m_openDecoder;
    // The present file while it opens on the worker, and then, opened, until a start of the output takes it.
    std::shared_ptr<DecoderOpening> m_opening;
    std::unique_ptr<Decoder> m_decoder;
    LoudnessLevels m_levels;
    // The level of the present file.
    std::shared_ptr<SourceLevel> m_level;
    // The layers' volumes of the mix that plays, which its decoder reads as it plays.
    std::shared_ptr<MixGains> m_mixGains;
    QString m_path;
    int m_state = Undefined;
    std::chrono::milliseconds m_fadeIn{0};
    // Last, so that it goes first: its worker may still hold a file being opened.
    GstOutput m_output;
};
