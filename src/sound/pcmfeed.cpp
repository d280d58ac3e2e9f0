#include "pcmfeed.h"

#include "decoder.h"
#include "sourcelevel.h"

namespace {
constexpr qsizetype InputFrames = 4608;
}

PcmFeed::PcmFeed(std::unique_ptr<Decoder> decoder, qint64 fadeInFrames, std::shared_ptr<const SourceLevel> level)
    : m_endless(decoder && decoder->lengthFrames() == Decoder::Endless), m_loop(std::move(decoder)),
      m_level(std::move(level)), m_input(InputFrames * Resampler::Channels) {
    m_fader.fadeIn(fadeInFrames);
}

PcmFeed::~PcmFeed() = default;

qsizetype PcmFeed::fill(std::span<std::int16_t> out, double rate, bool loop) {
    auto wanted = static_cast<qsizetype>(out.size() / Resampler::Channels);
    if (m_endless && !loop) {
        // Heard once, like a file: without this a preview of a generated noise would hold the schedule for good.
        constexpr qsizetype FallStart = OnceFrames - OnceFallFrames;
        if (m_onceWritten < FallStart && m_onceWritten + wanted > FallStart) {
            const qsizetype before = fill(
                out.first(static_cast<std::size_t>((FallStart - m_onceWritten) * Resampler::Channels)), rate, loop);
            return before + fill(out.subspan(static_cast<std::size_t>(before * Resampler::Channels)), rate, loop);
        }
        if (m_onceWritten >= FallStart && !m_onceFalling) {
            m_onceFalling = true;
            m_fader.fadeOut(OnceFrames - m_onceWritten);
        }
        wanted = std::min(wanted, OnceFrames - m_onceWritten);
        out = out.first(static_cast<std::size_t>(wanted * Resampler::Channels));
        m_ended = m_ended || wanted == 0;
    }
    qsizetype produced = 0;
    while (produced < wanted && !m_ended) {
        if (m_inputUsed == m_inputFrames) {
            m_inputUsed = 0;
            m_inputFrames = m_loop.read(m_input, loop);
            if (m_inputFrames == 0) {
                m_ended = true;
                continue;
            }
        }
        // A file at another rate than the output's is read faster or slower to sound at its own pitch; a file
        // reopened after it changed may have another.
        m_resampler.setRate(rate * m_loop.sampleRate() / SampleRate);
        const auto result =
            m_resampler.process(std::span<const std::int16_t>(m_input).subspan(
                                    static_cast<std::size_t>(m_inputUsed * Resampler::Channels),
                                    static_cast<std::size_t>((m_inputFrames - m_inputUsed) * Resampler::Channels)),
                                out.subspan(static_cast<std::size_t>(produced * Resampler::Channels)));
        m_inputUsed += result.consumed;
        produced += result.produced;
    }
    m_levelRamp.setTarget(m_evenLoudness && m_level && m_level->isKnown() ? m_level->gain() : 1.0);
    m_levelRamp.apply(out.first(static_cast<std::size_t>(produced * Resampler::Channels)));
    m_fader.apply(out.first(static_cast<std::size_t>(produced * Resampler::Channels)));
    if (m_endless && !loop) {
        m_onceWritten += produced;
    }
    return produced;
}

void PcmFeed::fadeIn(qint64 frames) {
    m_fader.fadeIn(frames);
}

void PcmFeed::fadeOut(qint64 frames) {
    m_fader.fadeOut(frames);
}

void PcmFeed::fadeOutByDecibels(qint64 frames) {
    m_fader.fadeOutByDecibels(frames);
}

void PcmFeed::cancelFadeOut() {
    m_fader.cancelFadeOut();
}

void PcmFeed::dropDecoded() {
    m_inputUsed = m_inputFrames;
    m_loop.dropDecoded();
}

void PcmFeed::setEvenLoudness(bool on) {
    m_evenLoudness = on;
}
