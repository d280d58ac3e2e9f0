#pragma once

// Files named like sounds that hold nothing a decoder can play: one table for the decoder, the player and the main
// window, each of which adds the cases of its own level (a missing file, an unreadable one, a folder, a FIFO).

#include "soundfiles.h"

#include <QList>
#include <QRandomGenerator>

namespace soundfiles {

inline QByteArray randomBytes(qsizetype size, quint32 seed) {
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator(seed).fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

inline QByteArray littleEndian(quint64 value, int size) {
    QByteArray bytes;
    for (int i = 0; i < size; ++i) {
        bytes += char(value >> (8 * i));
    }
    return bytes;
}

/// 16-bit samples in a RIFF WAVE header that gives their rate and channels.
inline QByteArray waveFile(const QByteArray &data, int rate, int channels) {
    return "RIFF" + littleEndian(36 + data.size(), 4) + "WAVEfmt " + littleEndian(16, 4) + littleEndian(1, 2) +
           littleEndian(channels, 2) + littleEndian(rate, 4) + littleEndian(quint64(rate) * channels * 2, 4) +
           littleEndian(channels * 2, 2) + littleEndian(16, 2) + "data" + littleEndian(data.size(), 4) + data;
}

/// A second of sine in a RIFF WAVE header, 44.1 kHz stereo 16-bit: samples in which frame headers may seem to start.
inline QByteArray waveFile() {
    QFile raw(path(QStringLiteral("sine-cbr.raw")));
    return waveFile(raw.open(QIODevice::ReadOnly) ? raw.readAll() : QByteArray(), 44100, 2);
}

struct UnplayableFile {
    const char *name;
    QByteArray bytes;
};

inline QList<UnplayableFile> unplayableFiles() {
    QFile sine(path(QStringLiteral("sine-cbr.mp3")));
    const QByteArray good = sine.open(QIODevice::ReadOnly) ? sine.readAll() : QByteArray();
    // An Ogg page header followed by bytes without a single 0xFF, so nothing in it can look like an MPEG frame.
    QByteArray garbage = randomBytes(64 * 1024, 3);
    for (char &c : garbage) {
        c = char(c & 0x7f);
    }
    const QByteArray ogg = "OggS" + QByteArray(1, '\0') + char(2) + littleEndian(0, 8) + littleEndian(0x1234, 4) +
                           littleEndian(0, 4) + littleEndian(0, 4) + char(1) + char(255) + garbage;
    return {{"empty", {}},
            {"random bytes", randomBytes(32 * 1024, 7)},
            {"cut inside its first frame", good.left(200)},
            {"WAV renamed", waveFile()},
            {"Ogg renamed", ogg},
            {"text", QByteArray("not a sound\n").repeated(500)}};
}

} // namespace soundfiles
