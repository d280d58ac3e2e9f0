#pragma once

#include <cstdint>
#include <vector>

/// Makes noise that repeats seamlessly: the spectrum is shaped with random phases and brought to the time
/// domain with one inverse FFT over the whole loop, so the last sample flows into the first.
class NoiseSynth {
public:
    enum class Colour { White, Pink, Brown };

    explicit NoiseSynth(std::uint32_t seed);

    /// One channel of \a frames samples (a power of two), peak at \a peak of full scale.
    std::vector<double> periodicNoise(Colour colour, std::size_t frames, double peak);

    /// A sine of \a cycles whole periods over \a frames samples, so it too loops without a step.
    static std::vector<double> periodicSine(std::size_t frames, std::size_t cycles, double amplitude);

    /// Interleaves channels into signed 16-bit frames.
    static std::vector<std::int16_t> interleave(const std::vector<std::vector<double>> &channels);

private:
    std::uint32_t m_state;
};
