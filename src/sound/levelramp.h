#pragma once

#include <QtGlobal>

#include <cstdint>
#include <span>

/// A source's own gain, applied frame by frame: set before the first frame it holds from there; changed later, it
/// moves to the new gain by the same number of decibels each frame over RampFrames, so that no step is heard. At a
/// gain of 1 the frames pass unchanged, bit for bit; above 1, a rare peak that would reach full scale is bent below it
/// (see SoftLimit).
class LevelRamp {
public:
    static constexpr qint64 RampFrames = 44100 * 3 / 2;

    void setTarget(double gain);
    /// Scales interleaved stereo \a frames in place and moves on by their length.
    void apply(std::span<std::int16_t> frames);

private:
    double m_gain = 1.0;
    double m_target = 1.0;
    // The factor of each frame of the ramp under way, and how many frames it has left.
    double m_step = 1.0;
    qint64 m_left = 0;
    bool m_started = false;
};
