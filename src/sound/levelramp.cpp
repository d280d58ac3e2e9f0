#include "levelramp.h"

#include "softlimit.h"

#include <cmath>

namespace {

constexpr int Channels = 2;

std::int16_t scaled(std::int16_t sample, double gain) {
    if (gain > 1.0) {
        return SoftLimit::limited(sample * gain / 32767.0);
    }
    // Rounded half away from zero, inline: std::lround is a library call per sample.
    const double value = sample * gain;
    return static_cast<std::int16_t>(value + (value < 0.0 ? -0.5 : 0.5));
}

} // namespace

void LevelRamp::setTarget(double gain) {
    if (!(gain > 0.0) || !std::isfinite(gain) || gain == m_target) {
        return;
    }
    m_target = gain;
    if (!m_started) {
        m_gain = gain;
        return;
    }
    m_left = RampFrames;
    m_step = std::pow(m_target / m_gain, 1.0 / double(RampFrames));
}

void LevelRamp::apply(std::span<std::int16_t> frames) {
    m_started = m_started || !frames.empty();
    if (m_left == 0 && m_gain == 1.0) {
        return;
    }
    const auto count = static_cast<qint64>(frames.size() / Channels);
    for (qint64 i = 0; i < count; ++i) {
        if (m_left > 0) {
            // The last step lands on the target exactly, whatever rounding gathered on the way.
            m_gain = --m_left == 0 ? m_target : m_gain * m_step;
        }
        for (int c = 0; c < Channels; ++c) {
            frames[std::size_t(i * Channels + c)] = scaled(frames[std::size_t(i * Channels + c)], m_gain);
        }
    }
}
