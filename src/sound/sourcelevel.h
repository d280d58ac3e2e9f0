#pragma once

#include <QtGlobal>

#include <atomic>
#include <cmath>
#include <limits>

/// The gain at which one source is to play so that it is heard at the program's one loudness, handed from the thread
/// that measures it to the one that plays it: unknown at first, then an estimate, then the measured value.
class SourceLevel {
    Q_DISABLE_COPY_MOVE(SourceLevel)

public:
    SourceLevel() = default;
    ~SourceLevel() = default;

    /// Linear; NaN while unknown. Any thread.
    double gain() const { return m_gain.load(std::memory_order_relaxed); }
    bool isKnown() const { return !std::isnan(gain()); }
    /// Any thread.
    void set(double gain) { m_gain.store(gain, std::memory_order_relaxed); }

private:
    std::atomic<double> m_gain{std::numeric_limits<double>::quiet_NaN()};
};
