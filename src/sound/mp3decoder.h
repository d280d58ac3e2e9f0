#pragma once

#include "decoder.h"

#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <span>

struct mpg123_handle_struct;

/// Streams an MP3 file as 44.1 kHz stereo signed 16-bit frames with libmpg123 in gapless mode, so the encoder
/// delay and padding recorded in the LAME tag are trimmed and the frames are exactly those that were encoded.
class Mp3Decoder final : public Decoder {
    Q_DISABLE_COPY_MOVE(Mp3Decoder)

public:
    static constexpr int SampleRate = 44100;

    /// Throws std::runtime_error when libmpg123 cannot provide a decoder.
    Mp3Decoder();
    ~Mp3Decoder() override;

    /// Opens \a path and decodes its first frame to prove that it plays; the next read() still starts at the
    /// first sample. Throws std::runtime_error with the reason when the file is missing, unreadable, not a regular
    /// file (a FIFO, a folder or a device is refused without waiting on it) or holds no MPEG audio; the decoder is
    /// then closed.
    void open(const QString &path);
    int sampleRate() const override { return SampleRate; }
    qsizetype read(std::span<std::int16_t> out) override;
    void rewind() override;
    /// As the file's LAME tag says, or as its size suggests.
    qsizetype lengthFrames() const override { return m_lengthFrames; }

private:
    void close();

    mpg123_handle_struct *m_handle = nullptr;
    int m_fd = -1;
    bool m_open = false;
    qsizetype m_lengthFrames = UnknownLength;
};
