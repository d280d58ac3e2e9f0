#pragma once

#include <QList>
#include <QtGlobal>

#include <atomic>
#include <memory>

/// The volumes of a playing mix's layers: set from any thread, read by the one that plays the mix, without a lock or
/// an allocation, so that a change is heard at the next block of audio made.
class MixGains {
    Q_DISABLE_COPY_MOVE(MixGains)

public:
    /// One volume (0 to 100) for each layer, in the mix's order.
    explicit MixGains(const QList<int> &volumes);
    ~MixGains();

    qsizetype size() const { return m_size; }
    /// The factor that the samples of layer \a layer are multiplied by.
    float gain(qsizetype layer) const { return m_gains[std::size_t(layer)].load(std::memory_order_relaxed); }
    /// The volumes \a volumes take over, layer for layer; those past size() are ignored.
    void setVolumes(const QList<int> &volumes);

private:
    qsizetype m_size;
    std::unique_ptr<std::atomic<float>[]> m_gains;
};
