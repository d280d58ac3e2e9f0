#include "mixgains.h"

#include <algorithm>

namespace {

float gainOf(int volume) {
    return float(std::clamp(volume, 0, 100)) / 100.0F;
}

} // namespace

MixGains::MixGains(const QList<int> &volumes)
    : m_size(volumes.size()), m_gains(std::make_unique<std::atomic<float>[]>(std::size_t(m_size))) {
    setVolumes(volumes);
}

MixGains::~MixGains() = default;

void MixGains::setVolumes(const QList<int> &volumes) {
    for (qsizetype layer = 0; layer < std::min(m_size, volumes.size()); ++layer) {
        m_gains[std::size_t(layer)].store(gainOf(volumes.at(layer)), std::memory_order_relaxed);
    }
}
