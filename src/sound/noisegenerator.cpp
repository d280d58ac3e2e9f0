#include "noisegenerator.h"

#include "softlimit.h"

#include <bit>
#include <cmath>
#include <numbers>

namespace {

using Colour = GeneratedNoise::Colour;

constexpr double Rate = NoiseGenerator::SampleRate;

// Each colour at the RMS level of the loop it replaces: white -18.0, pink -17.6, brown -16.6 dBFS.
constexpr double WhiteGain = 0.2189;
constexpr double PinkGain = 0.07457;
constexpr double BrownGain = 0.02352;

// Brown noise integrates white noise with a slight leak, so that it cannot wander off, then loses what lies below
// 20 Hz in a two-pole Butterworth high-pass: no DC, and no rumble that would only pump a speaker's cone.
constexpr double LeakHz = 5.0;
constexpr double HighPassHz = 20.0;
// Weights k, 1 - k with k(1 - k) = 1/12 match the integrator's 4 sin^2(w/2) to w^2 to the fourth order.
const double NewTap = (1.0 + std::sqrt(2.0 / 3.0)) / 2.0;

struct Biquad {
    double b0, b1, b2, a1, a2;
};

Biquad butterworthHighPass(double hz) {
    const double w0 = 2.0 * std::numbers::pi * hz / Rate;
    const double alpha = std::sin(w0) / std::numbers::sqrt2;
    const double cosine = std::cos(w0);
    const double a0 = 1.0 + alpha;
    return {(1.0 + cosine) / 2.0 / a0, -(1.0 + cosine) / a0, (1.0 + cosine) / 2.0 / a0, -2.0 * cosine / a0,
            (1.0 - alpha) / a0};
}

const Biquad HighPass = butterworthHighPass(HighPassHz);
const double Leak = 1.0 - 2.0 * std::numbers::pi * LeakHz / Rate;

std::uint64_t splitMix(std::uint64_t &state) {
    std::uint64_t z = (state += 0x9e3779b97f4a7c15);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9;
    z = (z ^ (z >> 27)) * 0x94d049bb133111eb;
    return z ^ (z >> 31);
}

} // namespace

NoiseGenerator::Random::Random(std::uint64_t seed) {
    for (std::uint64_t &word : m_state) {
        word = splitMix(seed);
    }
}

inline std::uint64_t NoiseGenerator::Random::next() {
    const std::uint64_t result = std::rotl(m_state[0] + m_state[3], 23) + m_state[0];
    const std::uint64_t t = m_state[1] << 17;
    m_state[2] ^= m_state[0];
    m_state[3] ^= m_state[1];
    m_state[1] ^= m_state[2];
    m_state[0] ^= m_state[3];
    m_state[2] ^= t;
    m_state[3] = std::rotl(m_state[3], 45);
    return result;
}

double NoiseGenerator::loudness(Colour colour) {
    // Measured over ten minutes of each; a minute of any seed comes within a few hundredths of a unit.
    switch (colour) {
    case Colour::White:
        return -11.844;
    case Colour::Pink:
        return -15.068;
    case Colour::Brown:
        return -18.480;
    }
    return 0.0;
}

NoiseGenerator::NoiseGenerator(Colour colour, std::uint64_t seed) : m_colour(colour), m_seed(seed), m_random(seed) {}

void NoiseGenerator::rewind() {
    m_random = Random(m_seed);
    m_channels = {};
}

qsizetype NoiseGenerator::read(std::span<std::int16_t> out) {
    // The colour is chosen once a buffer, not once a sample.
    switch (m_colour) {
    case Colour::White:
        return fill<Colour::White>(out);
    case Colour::Pink:
        return fill<Colour::Pink>(out);
    case Colour::Brown:
        return fill<Colour::Brown>(out);
    }
    return 0;
}

template<GeneratedNoise::Colour colour>
qsizetype NoiseGenerator::fill(std::span<std::int16_t> out) {
    const std::size_t frames = out.size() / Channels;
    // Worked on in locals, which the compiler keeps in registers rather than in this object.
    Random random = m_random;
    std::array<Channel, Channels> channels = m_channels;
    for (std::size_t i = 0; i < frames; ++i) {
        // One draw feeds both channels, from its two halves: they share nothing else.
        const std::uint64_t draw = random.next();
        for (std::size_t c = 0; c < Channels; ++c) {
            const auto half = static_cast<std::int32_t>(static_cast<std::uint32_t>(draw >> (32 * c)));
            const double white = double(half) / 2147483648.0;
            out[i * Channels + c] = SoftLimit::limited(shaped<colour>(channels[c], white));
        }
    }
    m_random = random;
    m_channels = channels;
    return qsizetype(frames);
}

template<GeneratedNoise::Colour colour>
double NoiseGenerator::shaped(Channel &channel, double white) {
    if constexpr (colour == Colour::White) {
        return WhiteGain * white;
    } else if constexpr (colour == Colour::Pink) {
        // Paul Kellet's refined filter: within 0.05 dB of -3.01 dB per octave above 9.2 Hz at 44.1 kHz, for seven
        // multiplications a sample, where Voss-McCartney's rows leave ripples of a decibel or more.
        auto &b = channel.pink;
        b[0] = 0.99886 * b[0] + white * 0.0555179;
        b[1] = 0.99332 * b[1] + white * 0.0750759;
        b[2] = 0.96900 * b[2] + white * 0.1538520;
        b[3] = 0.86650 * b[3] + white * 0.3104856;
        b[4] = 0.55000 * b[4] + white * 0.5329522;
        b[5] = -0.7616 * b[5] - white * 0.0168980;
        const double pink = b[0] + b[1] + b[2] + b[3] + b[4] + b[5] + b[6] + white * 0.5362;
        b[6] = white * 0.115926;
        return PinkGain * pink;
    } else {
        // The input's two taps undo the rise of a one-tap integrator towards half the rate (+0.5 dB at 8 kHz).
        channel.integrated = Leak * channel.integrated + NewTap * white + (1.0 - NewTap) * channel.lastWhite;
        channel.lastWhite = white;
        auto &in = channel.highPassIn;
        auto &out = channel.highPassOut;
        const double x = channel.integrated;
        const double y =
            HighPass.b0 * x + HighPass.b1 * in[0] + HighPass.b2 * in[1] - HighPass.a1 * out[0] - HighPass.a2 * out[1];
        in = {x, in[0]};
        out = {y, out[0]};
        return BrownGain * y;
    }
}
