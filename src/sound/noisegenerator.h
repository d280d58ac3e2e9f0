#pragma once

#include "decoder.h"
#include "generatednoise.h"

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <span>

/// Noise made as it plays: endless and never repeating, each channel drawn on its own. Nothing is allocated once it
/// is built, and the same seed gives the same sound, sample for sample.
class NoiseGenerator final : public Decoder {
    Q_DISABLE_COPY_MOVE(NoiseGenerator)

public:
    static constexpr int SampleRate = 44100;

    NoiseGenerator(GeneratedNoise::Colour colour, std::uint64_t seed);
    ~NoiseGenerator() override = default;

    int sampleRate() const override { return SampleRate; }
    /// Fills \a out whole: the noise never ends.
    qsizetype read(std::span<std::int16_t> out) override;
    /// Starts the same noise again from the seed.
    void rewind() override;
    qsizetype lengthFrames() const override { return Endless; }

    /// How loud \a colour is heard (integrated loudness, LUFS), measured once over a long stretch: the same for every
    /// seed. An endless noise has no peak that bounds how far it may be raised: made louder, its rare peaks are bent
    /// below full scale as its own are (see SoftLimit).
    static double loudness(GeneratedNoise::Colour colour);

private:
    // xoshiro256++: fast, 2^256 - 1 long, and passes the statistical test batteries that plain LCGs fail.
    class Random {
    public:
        explicit Random(std::uint64_t seed);
        std::uint64_t next();

    private:
        std::array<std::uint64_t, 4> m_state{};
    };

    struct Channel {
        std::array<double, 7> pink{};
        double integrated = 0.0;
        double lastWhite = 0.0;
        std::array<double, 2> highPassIn{};
        std::array<double, 2> highPassOut{};
    };

    template<GeneratedNoise::Colour colour>
    qsizetype fill(std::span<std::int16_t> out);
    template<GeneratedNoise::Colour colour>
    static double shaped(Channel &channel, double white);

    GeneratedNoise::Colour m_colour;
    std::uint64_t m_seed;
    Random m_random;
    std::array<Channel, Channels> m_channels{};
};
