#pragma once

#include "loudness.h"

#include <QtGlobal>

#include <ebur128.h>

#include <cstdint>
#include <span>

/// Measures stereo 16-bit audio as it is added, with libebur128: integrated loudness (EBU R128) and true peak. Its
/// memory does not grow with the length measured.
class LoudnessMeter {
    Q_DISABLE_COPY_MOVE(LoudnessMeter)

public:
    /// Throws std::runtime_error when libebur128 cannot measure at \a sampleRate.
    explicit LoudnessMeter(int sampleRate);
    ~LoudnessMeter();

    /// Adds interleaved stereo \a frames.
    void add(std::span<const std::int16_t> frames);
    /// The loudness of what was added so far; a silent sound, or one too short to measure, reads far below any
    /// sound's loudness.
    Loudness loudness() const;

private:
    ebur128_state *m_state;
};
