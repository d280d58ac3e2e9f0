#pragma once

// Points the player's output at a file, as raw 44.1 kHz stereo 16-bit audio paced in real time.

#include "soundfiles.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

class Capture {
public:
    /// Affects players created afterwards.
    Capture() : m_file(m_dir.filePath(QStringLiteral("capture.raw"))) {
        qputenv("SOMNIVOX_AUDIO_SINK", "filesink location=\"" + m_file.toUtf8() + "\" sync=true buffer-mode=2");
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
