#include "loudnessmeter.h"

#include "decoder.h"

#include <algorithm>
#include <stdexcept>

namespace {
// What loudness() reads for silence, which has none (libebur128 says minus infinity).
constexpr double SilenceLufs = -200.0;
// The least peak it reads, so that the figures of silence are kept as any other's.
constexpr double SilencePeak = 1e-9;
} // namespace

LoudnessMeter::LoudnessMeter(int sampleRate)
    : m_state(ebur128_init(Decoder::Channels, static_cast<unsigned long>(std::max(sampleRate, 0)),
                           EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK | EBUR128_MODE_HISTOGRAM)) {
    if (m_state == nullptr) {
        throw std::runtime_error("cannot measure the loudness at " + std::to_string(sampleRate) + " Hz");
    }
}

LoudnessMeter::~LoudnessMeter() {
    ebur128_destroy(&m_state);
}

void LoudnessMeter::add(std::span<const std::int16_t> frames) {
    ebur128_add_frames_short(m_state, frames.data(), frames.size() / Decoder::Channels);
}

Loudness LoudnessMeter::loudness() const {
    Loudness result;
    if (ebur128_loudness_global(m_state, &result.lufs) != EBUR128_SUCCESS || !(result.lufs > SilenceLufs)) {
        result.lufs = SilenceLufs;
    }
    result.truePeak = SilencePeak;
    for (unsigned int channel = 0; channel < Decoder::Channels; ++channel) {
        double peak = 0.0;
        if (ebur128_true_peak(m_state, channel, &peak) == EBUR128_SUCCESS) {
            result.truePeak = std::max(result.truePeak, peak);
        }
    }
    return result;
}
