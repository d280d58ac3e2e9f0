#include "loudness.h"

#include <algorithm>
#include <cmath>

namespace {
// A sound measured this quiet holds next to nothing: raising it would only raise its noise floor.
constexpr double QuietestLufs = -70.0;
} // namespace

double Loudness::gain() const {
    if (!isValid() || lufs <= QuietestLufs) {
        return 1.0;
    }
    return std::min(std::pow(10.0, (TargetLufs - lufs) / 20.0), 1.0 / truePeak);
}

bool Loudness::isValid() const {
    return std::isfinite(lufs) && std::isfinite(truePeak) && truePeak > 0.0;
}
