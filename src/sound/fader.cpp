#include "fader.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Channels = 2;
constexpr std::chrono::seconds LongestFade = std::chrono::hours(1);
// Where a fall by decibels ends before its silent frame.
constexpr double FloorDecibels = -60.0;

std::int16_t scaled(std::int16_t sample, double gain) {
    return static_cast<std::int16_t>(std::lround(sample * gain));
}

} // namespace

void Fader::fadeIn(qint64 frames) {
    m_inLength = std::max<qint64>(frames, 0);
    m_inDone = 0;
}

void Fader::fadeOut(qint64 frames) {
    startFadeOut(frames, Curve::Square);
}

void Fader::fadeOutByDecibels(qint64 frames) {
    startFadeOut(frames, Curve::Decibels);
}

void Fader::startFadeOut(qint64 frames, Curve curve) {
    if (m_fadingOut) {
        m_outFrom = fadeOutGain(m_outLeft);
    }
    m_fadingOut = true;
    m_outCurve = curve;
    m_outLength = std::max<qint64>(frames, 0);
    m_outLeft = m_outLength;
}

void Fader::cancelFadeOut() {
    m_fadingOut = false;
    m_outFrom = 1.0;
}

double Fader::fadeOutGain(qint64 left) const {
    if (left <= 0 || m_outLength <= 0 || m_outFrom <= 0.0) {
        return 0.0;
    }
    const double share = double(left) / double(m_outLength);
    if (m_outCurve == Curve::Square) {
        return m_outFrom * share * share;
    }
    const double from = 20.0 * std::log10(m_outFrom);
    const double to = std::min(from, FloorDecibels);
    return std::pow(10.0, (to + (from - to) * share) / 20.0);
}

void Fader::apply(std::span<std::int16_t> frames) {
    if (m_inDone >= m_inLength && !m_fadingOut) {
        return;
    }
    const auto count = static_cast<qint64>(frames.size() / Channels);
    for (qint64 i = 0; i < count; ++i) {
        double gain = 1.0;
        if (m_inDone < m_inLength) {
            const double share = double(m_inDone++) / double(m_inLength);
            gain = share * share;
        }
        if (m_fadingOut) {
            // As the fade-in starts on a silent frame, the fade-out ends on one.
            m_outLeft = std::max<qint64>(m_outLeft - 1, 0);
            gain *= fadeOutGain(m_outLeft);
        }
        for (int c = 0; c < Channels; ++c) {
            frames[std::size_t(i * Channels + c)] = scaled(frames[std::size_t(i * Channels + c)], gain);
        }
    }
}

void Fader::rampToSilence(std::span<std::int16_t> frames) {
    const auto count = static_cast<qint64>(frames.size() / Channels);
    for (qint64 i = 0; i < count; ++i) {
        const double gain = double(count - 1 - i) / double(count);
        for (int c = 0; c < Channels; ++c) {
            frames[std::size_t(i * Channels + c)] = scaled(frames[std::size_t(i * Channels + c)], gain);
        }
    }
}

void Fader::scale(std::span<std::int16_t> samples, int percent) {
    constexpr int Unity = 1 << 13;
    const int factor = (std::clamp(percent, 0, 100) * Unity + 50) / 100;
    if (factor == Unity) {
        return;
    }
    for (std::int16_t &sample : samples) {
        sample = static_cast<std::int16_t>((sample * factor) >> 13);
    }
}

std::chrono::seconds Fader::secondsFromSetting(const QString &text, std::chrono::seconds fallback) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok || value < 0 || std::chrono::seconds(value) > LongestFade) {
        return fallback;
    }
    return std::chrono::seconds(value);
}
