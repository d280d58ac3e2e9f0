#pragma once

#include <cmath>
#include <cstdint>

/// Nothing made louder reaches full scale: the rare peak beyond the knee is bent smoothly below the ceiling, and the
/// rest passes unchanged.
namespace SoftLimit {

inline constexpr double Knee = 0.9;
inline constexpr double Ceiling = 0.98;

// Apart, so that the common case stays small enough to be inlined.
inline double bent(double value) {
    const double size = std::abs(value);
    return std::copysign(Knee + (Ceiling - Knee) * std::tanh((size - Knee) / (Ceiling - Knee)), value);
}

/// \a value, 1.0 at full scale, as a 16-bit sample.
inline std::int16_t limited(double value) {
    if (value > Knee || value < -Knee) [[unlikely]] {
        value = bent(value);
    }
    // Rounded half away from zero, inline: std::lround is a library call per sample.
    const double scaled = value * 32767.0;
    return static_cast<std::int16_t>(scaled + (scaled < 0.0 ? -0.5 : 0.5));
}

} // namespace SoftLimit
