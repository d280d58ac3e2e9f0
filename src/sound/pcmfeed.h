#pragma once

#include "fader.h"
#include "levelramp.h"
#include "resampler.h"
#include "seamlessloop.h"

#include <QtGlobal>

#include <chrono>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class Decoder;
class SourceLevel;

/// The audio that the player hands to its output, 44.1 kHz stereo: an open file decoded, brought to the chosen
/// rate, and when looping started again from its first sample the moment it ends, so no frame is added or lost at
/// a clean seam (see SeamlessLoop); brought to the program's one loudness by its source's level (see LevelRamp), and
/// faded in and out frame by frame (see Fader).
class PcmFeed {
    Q_DISABLE_COPY_MOVE(PcmFeed)

public:
    static constexpr int SampleRate = 44100;
    static constexpr qint64 framesIn(std::chrono::milliseconds duration) {
        return duration.count() * SampleRate / 1000;
    }
    /// How long a sound that never ends plays when it is not looped (a preview): it then falls to silence over its
    /// last OnceFallFrames and ends, as a file would.
    static constexpr qsizetype OnceFrames = 30 * SampleRate;
    static constexpr qsizetype OnceFallFrames = 2 * SampleRate;

    /// Takes an open decoder; the sound rises from silence over its first \a fadeInFrames frames (0: none). While
    /// even loudness is on, it plays at the gain of \a level once that is known.
    explicit PcmFeed(std::unique_ptr<Decoder> decoder, qint64 fadeInFrames = 0,
                     std::shared_ptr<const SourceLevel> level = {});
    ~PcmFeed();

    /// Writes stereo frames into \a out at \a rate (see Resampler). Returns the number written, fewer than fit only
    /// when the file has ended (a sound that never ends: after OnceFrames) and \a loop is off. Throws
    /// std::runtime_error when the file cannot be decoded.
    qsizetype fill(std::span<std::int16_t> out, double rate, bool loop);
    /// The level rises from silence over the next \a frames frames written, times any fade-out under way.
    void fadeIn(qint64 frames);
    /// The level falls to silence over the next \a frames frames written, and stays there.
    void fadeOut(qint64 frames);
    /// The same, falling by the same number of decibels each frame (see Fader::fadeOutByDecibels).
    void fadeOutByDecibels(qint64 frames);
    /// Full level again from the next frame written, any fade-out called off.
    void cancelFadeOut();
    /// What has been decoded ahead and not yet written is dropped, so that a change made in the decoder (a mix's
    /// volumes) is heard from the next frames written; the sound skips ahead by as much, which a rise from silence
    /// hides.
    void dropDecoded();
    /// On (the default): the sound plays at its level's gain; off: at its own. A change is heard as a ramp.
    void setEvenLoudness(bool on);

private:
    // Decided before the decoder moves into the loop.
    const bool m_endless;
    SeamlessLoop m_loop;
    Resampler m_resampler;
    Fader m_fader;
    const std::shared_ptr<const SourceLevel> m_level;
    LevelRamp m_levelRamp;
    bool m_evenLoudness = true;
    std::vector<std::int16_t> m_input;
    qsizetype m_inputFrames = 0;
    qsizetype m_inputUsed = 0;
    bool m_ended = false;
    // Frames written while not looping a sound that never ends.
    qsizetype m_onceWritten = 0;
    bool m_onceFalling = false;
};
