#include "resampler.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

void Resampler::setRate(double rate) {
    if (!(rate > 0.0) || !std::isfinite(rate)) {
        throw std::invalid_argument("playback rate must be above zero");
    }
    m_rate = rate;
}

Resampler::Result Resampler::process(std::span<const std::int16_t> in, std::span<std::int16_t> out) {
    const qsizetype inFrames = static_cast<qsizetype>(in.size() / Channels);
    const qsizetype outFrames = static_cast<qsizetype>(out.size() / Channels);
    Result result;
    // Normal speed between whole frames is a plain copy: the common case, kept cheap.
    if (m_rate == 1.0 && m_position == (m_hasCurrent ? 1.0 : 0.0)) {
        const qsizetype frames = std::min(inFrames, outFrames);
        if (frames > 0) {
            std::copy_n(in.begin(), frames * Channels, out.begin());
            std::copy_n(in.begin() + (frames - 1) * Channels, Channels, m_current.begin());
            m_hasCurrent = true;
            m_position = 1.0;
        }
        return {frames, frames};
    }
    const auto take = [&] {
        for (int c = 0; c < Channels; ++c) {
            m_current[c] = in[result.consumed * Channels + c];
        }
        ++result.consumed;
    };
    while (true) {
        if (!m_hasCurrent) {
            if (result.consumed == inFrames) {
                break;
            }
            take();
            m_hasCurrent = true;
        }
        while (m_position >= 1.0 && result.consumed < inFrames) {
            take();
            m_position -= 1.0;
        }
        if (m_position >= 1.0 || result.produced == outFrames) {
            break;
        }
        std::int16_t *frame = out.data() + result.produced * Channels;
        if (m_position == 0.0) {
            for (int c = 0; c < Channels; ++c) {
                frame[c] = m_current[c];
            }
        } else {
            // Between two frames: the next one must be known before the output can be formed.
            if (result.consumed == inFrames) {
                break;
            }
            const std::int16_t *next = in.data() + result.consumed * Channels;
            for (int c = 0; c < Channels; ++c) {
                frame[c] = static_cast<std::int16_t>(std::lround(m_current[c] + (next[c] - m_current[c]) * m_position));
            }
        }
        ++result.produced;
        m_position += m_rate;
    }
    return result;
}

void Resampler::reset() {
    m_position = 0.0;
    m_hasCurrent = false;
}
