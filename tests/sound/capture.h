#pragma once

// Points the player's output at a file, as raw 44.1 kHz stereo 16-bit audio paced in real time, and compares what
// it holds with a file's decode.

#include "soundfiles.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

class Capture {
public:
    /// Affects players created afterwards; \a before names elements the sound passes on its way to the file.
    explicit Capture(const QByteArray &before = {}) : m_file(m_dir.filePath(QStringLiteral("capture.raw"))) {
        qputenv("SOMNIVOX_AUDIO_SINK", (before.isEmpty() ? QByteArray() : before + " ! ") + "filesink location=\"" +
                                           m_file.toUtf8() + "\" sync=true buffer-mode=2");
    }

    qsizetype frames() const { return QFileInfo(m_file).size() / 4; }
    bool waitForFrames(qsizetype count, int timeoutMs = 20000) const {
        return QTest::qWaitFor([&] { return frames() >= count; }, timeoutMs);
    }
    /// What was captured, or its first \a frames frames.
    soundfiles::Pcm read(qsizetype frames = -1) const {
        soundfiles::Pcm pcm = soundfiles::readRaw(m_file);
        if (frames >= 0 && pcm.size() > std::size_t(frames) * 2) {
            pcm.resize(std::size_t(frames) * 2);
        }
        return pcm;
    }

private:
    QTemporaryDir m_dir;
    QString m_file;
};

struct Playback {
    int step = 1;      // frames of the file per output frame
    double gain = 1.0; // a gain other than 1 may round each value either way
};

inline bool matches(const soundfiles::Pcm &capture, qsizetype i, const soundfiles::Pcm &reference, qsizetype at,
                    double gain) {
    const double tolerance = gain == 1.0 ? 0.0 : 1.0;
    return std::abs(capture[2 * i] - reference[2 * at] * gain) <= tolerance &&
           std::abs(capture[2 * i + 1] - reference[2 * at + 1] * gain) <= tolerance;
}

/// The first output frame, from the second on, that differs from the file's decode played as \a playback and
/// repeated, starting \a shift frames in; -1 when none does.
inline qsizetype firstDifference(const soundfiles::Pcm &capture, const soundfiles::Pcm &reference, int shift,
                                 Playback playback = {}, qsizetype limit = -1) {
    const qsizetype length = soundfiles::frames(reference);
    const qsizetype end = limit < 0 ? soundfiles::frames(capture) : std::min(limit, soundfiles::frames(capture));
    for (qsizetype i = 1; i < end; ++i) {
        if (!matches(capture, i, reference, (i * playback.step + shift) % length, playback.gain)) {
            return i;
        }
    }
    return -1;
}

/// Where the repeated decode lines up with the capture: 0, or 1 when the sink dropped the very first frame;
/// -1 when neither fits.
inline int alignment(const soundfiles::Pcm &capture, const soundfiles::Pcm &reference, Playback playback = {}) {
    for (int shift = 0; shift <= 1; ++shift) {
        if (firstDifference(capture, reference, shift, playback, 2000) < 0) {
            return shift;
        }
    }
    return -1;
}
