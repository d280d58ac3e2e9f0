#pragma once

#include "decoder.h"
#include "mixgains.h"
#include "mixsource.h"
#include "pcmfeed.h"

#include <QList>

#include <functional>
#include <memory>
#include <vector>

/// Several sounds at once, each looping seamlessly on its own length and at its own volume, summed and kept from
/// clipping: a sound that never ends (see MixSource). The sum is limited only where it would pass full scale, so a
/// mix that stays below it, such as one layer at full volume, plays its layers' samples unchanged.
class MixDecoder : public Decoder {
public:
    using Opener = std::function<std::unique_ptr<Decoder>(const QString &path)>;

    /// Opens each of \a layers with \a open; a layer that does not play is left out and logged. Throws
    /// std::runtime_error when none plays.
    MixDecoder(QList<MixSource::Layer> layers, Opener open);
    ~MixDecoder() override;

    int sampleRate() const override { return PcmFeed::SampleRate; }
    qsizetype read(std::span<std::int16_t> out) override;
    /// Starts every layer again from its first sample.
    void rewind() override;
    qsizetype lengthFrames() const override { return Endless; }
    /// The layers' volumes, which may change while the mix plays: a change is heard from the next read() on, in a
    /// ramp over that read so that it makes no click.
    std::shared_ptr<MixGains> mixGains() const override { return m_gains; }

private:
    struct Playing {
        std::unique_ptr<PcmFeed> feed;
        // The layer's place in the mix, which names its gain.
        qsizetype index;
        // The gain that the last frame made was heard at.
        float heard;
        QString path;
    };

    void start();
    /// The limiter's gain for a frame whose larger channel reaches \a peak.
    float limitFor(float peak);

    QList<MixSource::Layer> m_layers;
    Opener m_open;
    std::shared_ptr<MixGains> m_gains;
    std::vector<Playing> m_playing;
    std::vector<std::int16_t> m_layerChunk;
    std::vector<float> m_sum;
    // The limiter's present gain, 1 while the sum stays below full scale.
    float m_limit = 1.0F;
};
