#include "pcmfeed.h"

#include "mp3decoder.h"

#include <stdexcept>

namespace {
constexpr qsizetype InputFrames = 4608;
}

PcmFeed::PcmFeed(std::unique_ptr<Mp3Decoder> decoder)
    : m_decoder(std::move(decoder)), m_input(InputFrames * Resampler::Channels) {}

PcmFeed::~PcmFeed() = default;

qsizetype PcmFeed::fill(std::span<std::int16_t> out, double rate, bool loop) {
    m_resampler.setRate(rate);
    const qsizetype wanted = static_cast<qsizetype>(out.size() / Resampler::Channels);
    qsizetype produced = 0;
    while (produced < wanted && !m_ended) {
        if (m_inputUsed == m_inputFrames) {
            m_inputUsed = 0;
            m_inputFrames = m_decoder->read(m_input);
            m_framesSinceStart += m_inputFrames;
            if (m_inputFrames == 0) {
                if (!loop) {
                    m_ended = true;
                } else if (m_framesSinceStart == 0) {
                    // Looping a file that yields nothing would spin here for ever.
                    throw std::runtime_error("the sound file no longer yields any audio");
                } else {
                    m_decoder->rewind();
                    m_framesSinceStart = 0;
                }
                continue;
            }
        }
        const auto result =
            m_resampler.process(std::span<const std::int16_t>(m_input).subspan(
                                    static_cast<std::size_t>(m_inputUsed * Resampler::Channels),
                                    static_cast<std::size_t>((m_inputFrames - m_inputUsed) * Resampler::Channels)),
                                out.subspan(static_cast<std::size_t>(produced * Resampler::Channels)));
        m_inputUsed += result.consumed;
        produced += result.produced;
    }
    return produced;
}
