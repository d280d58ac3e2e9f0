#include "mixdecoder.h"

#include <QLoggingCategory>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

Q_LOGGING_CATEGORY(lcMix, "somnivox.mix")

constexpr qsizetype ChunkFrames = 1024;
// The sum may reach the most negative sample without a change.
constexpr float FullScale = 32768.0F;
// After a peak the gain comes back over about a tenth of a second: slow enough not to distort, quick enough not to
// leave a hole.
const float Release = 1.0F - std::exp(-1.0F / (0.1F * PcmFeed::SampleRate));

} // namespace

MixDecoder::MixDecoder(QList<MixSource::Layer> layers, Opener open)
    : m_layers(std::move(layers)), m_open(std::move(open)), m_layerChunk(ChunkFrames * Channels),
      m_sum(ChunkFrames * Channels) {
    QList<int> volumes;
    for (const MixSource::Layer &layer : m_layers) {
        volumes << layer.volume;
    }
    m_gains = std::make_shared<MixGains>(volumes);
    start();
}

MixDecoder::~MixDecoder() = default;

void MixDecoder::start() {
    std::vector<Playing> playing;
    for (qsizetype index = 0; index < m_layers.size(); ++index) {
        const QString &path = m_layers.at(index).path;
        try {
            playing.push_back({std::make_unique<PcmFeed>(m_open(path)), index, m_gains->gain(index), path});
        } catch (const std::exception &error) {
            qCWarning(lcMix).noquote() << "A layer of the mix is left out:" << error.what();
        }
    }
    if (playing.empty()) {
        throw std::runtime_error("no sound of the mix plays");
    }
    m_playing = std::move(playing);
    m_limit = 1.0F;
}

void MixDecoder::rewind() {
    start();
}

float MixDecoder::limitFor(float peak) {
    // At once down to what keeps the peak at full scale, then slowly back up: nothing clips, and below full scale
    // the gain is exactly 1.
    const float needed = peak > FullScale ? FullScale / peak : 1.0F;
    m_limit = needed < m_limit ? needed : std::min(needed, m_limit + (1.0F - m_limit) * Release);
    if (1.0F - m_limit < 1e-6F) {
        m_limit = 1.0F;
    }
    return m_limit;
}

qsizetype MixDecoder::read(std::span<std::int16_t> out) {
    const auto frames = std::min<qsizetype>(qsizetype(out.size() / Channels), ChunkFrames);
    const std::span<float> sum(m_sum.data(), std::size_t(frames * Channels));
    std::fill(sum.begin(), sum.end(), 0.0F);
    for (auto layer = m_playing.begin(); layer != m_playing.end();) {
        const std::span<std::int16_t> chunk(m_layerChunk.data(), sum.size());
        try {
            // Looped, a layer fills every frame.
            layer->feed->fill(chunk, 1.0, true);
        } catch (const std::exception &error) {
            qCWarning(lcMix).noquote() << "A layer of the mix stops:" << layer->path << error.what();
            layer = m_playing.erase(layer);
            if (m_playing.empty()) {
                throw;
            }
            continue;
        }
        if (const float gain = m_gains->gain(layer->index); gain == layer->heard) {
            for (std::size_t i = 0; i < sum.size(); ++i) {
                sum[i] += float(chunk[i]) * gain;
            }
        } else {
            // A changed volume ramps over this block: a step in the gain would click.
            const float step = (gain - layer->heard) / float(frames);
            for (std::size_t i = 0; i < sum.size(); ++i) {
                sum[i] += float(chunk[i]) * (layer->heard + step * float(i / Channels + 1));
            }
            layer->heard = gain;
        }
        ++layer;
    }
    for (std::size_t frame = 0; frame < std::size_t(frames); ++frame) {
        const float left = sum[frame * Channels];
        const float right = sum[frame * Channels + 1];
        const float peak = std::max(std::abs(left), std::abs(right));
        const float gain = limitFor(peak);
        out[frame * Channels] = std::int16_t(std::clamp(std::lround(left * gain), -32768L, 32767L));
        out[frame * Channels + 1] = std::int16_t(std::clamp(std::lround(right * gain), -32768L, 32767L));
    }
    return frames;
}
