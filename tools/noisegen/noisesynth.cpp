#include "noisesynth.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <random>
#include <stdexcept>

namespace {

constexpr double SampleRate = 44100.0;
// Below this the shaped spectra of pink and brown noise would be mostly inaudible rumble.
constexpr double LowestHz = 20.0;

void inverseFft(std::vector<std::complex<double>> &data) {
    const std::size_t n = data.size();
    for (std::size_t i = 1, j = 0; i < n; ++i) {
        std::size_t bit = n >> 1;
        for (; j & bit; bit >>= 1) {
            j ^= bit;
        }
        j ^= bit;
        if (i < j) {
            std::swap(data[i], data[j]);
        }
    }
    for (std::size_t len = 2; len <= n; len <<= 1) {
        const double angle = 2.0 * std::numbers::pi / static_cast<double>(len);
        const std::complex<double> step(std::cos(angle), std::sin(angle));
        for (std::size_t i = 0; i < n; i += len) {
            std::complex<double> w(1.0, 0.0);
            for (std::size_t k = 0; k < len / 2; ++k) {
                const std::complex<double> u = data[i + k];
                const std::complex<double> v = data[i + k + len / 2] * w;
                data[i + k] = u + v;
                data[i + k + len / 2] = u - v;
                w *= step;
            }
        }
    }
}

} // namespace

NoiseSynth::NoiseSynth(std::uint32_t seed) : m_state(seed) {}

std::vector<double> NoiseSynth::periodicNoise(Colour colour, std::size_t frames, double peak) {
    if (frames < 2 || (frames & (frames - 1)) != 0) {
        throw std::invalid_argument("noise length must be a power of two");
    }
    std::mt19937 random(m_state++);
    std::uniform_real_distribution<double> phase(0.0, 2.0 * std::numbers::pi);
    std::vector<std::complex<double>> spectrum(frames);
    for (std::size_t k = 1; k < frames / 2; ++k) {
        const double hz = static_cast<double>(k) * SampleRate / static_cast<double>(frames);
        double amplitude = 0.0;
        if (colour == Colour::White) {
            amplitude = 1.0;
        } else if (hz >= LowestHz) {
            amplitude = colour == Colour::Pink ? 1.0 / std::sqrt(hz) : 1.0 / hz;
        }
        spectrum[k] = std::polar(amplitude, phase(random));
        spectrum[frames - k] = std::conj(spectrum[k]);
    }
    inverseFft(spectrum);
    std::vector<double> samples(frames);
    std::transform(spectrum.begin(), spectrum.end(), samples.begin(), [](auto c) { return c.real(); });
    const double largest = std::abs(*std::max_element(samples.begin(), samples.end(),
                                                      [](double a, double b) { return std::abs(a) < std::abs(b); }));
    for (double &s : samples) {
        s *= peak / largest;
    }
    return samples;
}

std::vector<double> NoiseSynth::periodicSine(std::size_t frames, std::size_t cycles, double amplitude) {
    std::vector<double> samples(frames);
    for (std::size_t i = 0; i < frames; ++i) {
        samples[i] = amplitude * std::sin(2.0 * std::numbers::pi * static_cast<double>(cycles * i % frames) /
                                          static_cast<double>(frames));
    }
    return samples;
}

std::vector<std::int16_t> NoiseSynth::interleave(const std::vector<std::vector<double>> &channels) {
    const std::size_t frames = channels.front().size();
    std::vector<std::int16_t> pcm(frames * channels.size());
    for (std::size_t i = 0; i < frames; ++i) {
        for (std::size_t c = 0; c < channels.size(); ++c) {
            pcm[i * channels.size() + c] =
                static_cast<std::int16_t>(std::lround(std::clamp(channels[c][i], -1.0, 1.0) * 32767.0));
        }
    }
    return pcm;
}
