#pragma once

#include <QString>
#include <QtGlobal>

#include <chrono>
#include <cstdint>
#include <span>

/// The level of a sound as it starts and as it ends, computed frame by frame: a fade-in rises from silence, a
/// fade-out falls to silence and holds it. The gain follows the square of the share of the fade (close to an even
/// rise of loudness to the ear), and the two fades multiply. At full level the frames pass unchanged, bit for bit.
class Fader {
public:
    /// Starts from silence, reaching full level after \a frames frames; 0 starts at full level.
    void fadeIn(qint64 frames);
    /// Falls from the present level to silence over the next \a frames frames. A fade-out already under way is
    /// taken over from its present level, so calls that aim at the same end give the same fall.
    void fadeOut(qint64 frames);
    /// As fadeOut(), but falling by the same number of decibels each frame, to 60 dB below full level as the fade
    /// ends, on a silent last frame. A present level already lower than that holds until then.
    void fadeOutByDecibels(qint64 frames);
    /// Calls off a fade-out under way or held at silence: full level again from the next frame.
    void cancelFadeOut();
    /// Scales interleaved stereo \a frames in place and moves on by their length.
    void apply(std::span<std::int16_t> frames);

    /// Brings interleaved stereo \a frames down to silence along a straight line, last frame silent: the end of a
    /// sound that is stopped at once.
    static void rampToSilence(std::span<std::int16_t> frames);

    /// Scales \a samples to \a percent of their level by a 13-bit fixed-point factor, rounding down, as GStreamer's
    /// volume element does for 16-bit audio; 100 leaves them bit for bit.
    static void scale(std::span<std::int16_t> samples, int percent);

    /// A fade length in whole seconds as stored in a setting: garbage, a negative value or one over an hour gives
    /// \a fallback.
    static std::chrono::seconds secondsFromSetting(const QString &text, std::chrono::seconds fallback);

private:
    enum class Curve { Square, Decibels };

    void startFadeOut(qint64 frames, Curve curve);
    /// The fade-out's share of the gain at the frame \a left frames before its end.
    double fadeOutGain(qint64 left) const;

    qint64 m_inLength = 0;
    qint64 m_inDone = 0;
    bool m_fadingOut = false;
    qint64 m_outLength = 0;
    qint64 m_outLeft = 0;
    double m_outFrom = 1.0;
    Curve m_outCurve = Curve::Square;
};
