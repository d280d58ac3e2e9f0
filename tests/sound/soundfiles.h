#pragma once

// Test sounds generated at build time, and the helpers that read them and the captured output.

#include "mp3decoder.h"

#include <QByteArray>
#include <QFile>
#include <QString>

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
    Mp3Decoder decoder;
    decoder.open(file);
    Pcm pcm;
    std::int16_t chunk[8192];
    while (const qsizetype frames = decoder.read(chunk)) {
        pcm.insert(pcm.end(), chunk, chunk + frames * 2);
    }
    return pcm;
}

inline qsizetype frames(const Pcm &pcm) {
    return static_cast<qsizetype>(pcm.size() / 2);
}

} // namespace soundfiles
