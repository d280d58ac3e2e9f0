#pragma once

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <span>

/// Changes the playback speed of an endless stream of stereo 16-bit frames by linear interpolation: each output
/// frame advances the read position by the rate, so a rate of 2.0 reads two input frames per output frame.
/// At whole-number rates the output frames are input frames, unchanged. State carries over between calls, so a
/// stream cut into any chunks gives the same output.
class Resampler {
public:
    static constexpr int Channels = 2;

    struct Result {
        qsizetype consumed = 0; ///< input frames used up
        qsizetype produced = 0; ///< output frames written
    };

    /// Frames of input read per frame of output; any value above zero.
    void setRate(double rate);
    double rate() const { return m_rate; }

    /// Converts from \a in until the input is used up or \a out is full (both interleaved stereo).
    Result process(std::span<const std::int16_t> in, std::span<std::int16_t> out);
    /// Forgets the stream, as before the first call.
    void reset();

private:
    double m_rate = 1.0;
    double m_position = 0.0; // of the next output frame, in input frames past m_current
    std::array<std::int16_t, Channels> m_current{};
    bool m_hasCurrent = false;
};
