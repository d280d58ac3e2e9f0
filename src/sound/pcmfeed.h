#pragma once

#include "resampler.h"

#include <QtGlobal>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class Mp3Decoder;

/// The audio that the player hands to its output: an open file decoded, at the chosen rate, and when looping
/// started again from its first sample the moment it ends, so no frame is added or lost at the seam.
class PcmFeed {
    Q_DISABLE_COPY_MOVE(PcmFeed)

public:
    /// Takes an open decoder.
    explicit PcmFeed(std::unique_ptr<Mp3Decoder> decoder);
    ~PcmFeed();

    /// Writes stereo frames into \a out at \a rate (see Resampler). Returns the number written, fewer than fit only
    /// when the file has ended and \a loop is off. Throws std::runtime_error when the file cannot be decoded.
    qsizetype fill(std::span<std::int16_t> out, double rate, bool loop);

private:
    std::unique_ptr<Mp3Decoder> m_decoder;
    Resampler m_resampler;
    std::vector<std::int16_t> m_input;
    qsizetype m_inputFrames = 0;
    qsizetype m_inputUsed = 0;
    qsizetype m_framesSinceStart = 0;
    bool m_ended = false;
};
