#pragma once

// Test sounds generated at build time, and the helpers that read them and the captured output.

#include "decoder.h"

#include <QByteArray>
#include <QFile>
#include <QString>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace soundfiles {

inline QString path(const QString &name) {
    return QStringLiteral(SOUND_TEST_DIR "/") + name;
}

/// Interleaved stereo frames as a file holds them.
using Pcm = std::vector<std::int16_t>;

inline Pcm fromBytes(const QByteArray &bytes) {
    Pcm pcm(static_cast<std::size_t>(bytes.size()) / sizeof(std::int16_t));
    std::memcpy(pcm.data(), bytes.constData(), pcm.size() * sizeof(std::int16_t));
    return pcm;
}

inline Pcm readRaw(const QString &file) {
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? fromBytes(f.readAll()) : Pcm{};
}

/// The whole gapless decode of \a file.
inline Pcm decodeAll(const QString &file) {
    const auto decoder = openDecoder(file);
    Pcm pcm;
    std::int16_t chunk[8192];
    while (const qsizetype frames = decoder->read(chunk)) {
        pcm.insert(pcm.end(), chunk, chunk + frames * 2);
    }
    return pcm;
}

/// A decoder of frames held in memory, as a file would give them.
class MemoryDecoder final : public Decoder {
public:
    explicit MemoryDecoder(Pcm pcm, int rate = 44100) : m_pcm(std::move(pcm)), m_rate(rate) {}
    int sampleRate() const override { return m_rate; }
    qsizetype read(std::span<std::int16_t> out) override {
        const std::size_t take = std::min(out.size() / 2 * 2, m_pcm.size() - m_at);
        std::copy_n(m_pcm.begin() + std::ptrdiff_t(m_at), take, out.begin());
        m_at += take;
        return qsizetype(take / 2);
    }
    void rewind() override {
        m_at = 0;
        ++rewinds;
    }

    int rewinds = 0;

private:
    Pcm m_pcm;
    int m_rate;
    std::size_t m_at = 0;
};

inline qsizetype frames(const Pcm &pcm) {
    return static_cast<qsizetype>(pcm.size() / 2);
}

} // namespace soundfiles
