#include "loudness.h"

#include <algorithm>
#include <cmath>

namespace {
// A sound measured this quiet holds next to nothing: raising it would only raise its noise floor.
constexpr double QuietestLufs = -70.0;
} // namespace

double Loudness::gainFrom(double lufs) {
    return std::isfinite(lufs) && lufs > QuietestLufs ? std::pow(10.0, (TargetLufs - lufs) / 20.0) : 1.0;
}

double Loudness::gain() const {
    return isValid() ? std::min(gainFrom(lufs), 1.0 / truePeak) : 1.0;
}

bool Loudness::isValid() const {
    return std::isfinite(lufs) && std::isfinite(truePeak) && truePeak > 0.0;
}
