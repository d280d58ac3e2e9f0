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
    soundfiles::Pcm read() const { return soundfiles::readRaw(m_file); }

private:
    QTemporaryDir m_dir;
    QString m_file;
};
