#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <span>

struct mpg123_handle_struct;

/// Streams an MP3 file as 44.1 kHz stereo signed 16-bit frames with libmpg123 in gapless mode, so the encoder
/// delay and padding recorded in the LAME tag are trimmed and the frames are exactly those that were encoded.
/// Memory use does not depend on the length of the file. Not thread-safe: use one decoder from one thread at a time.
class Mp3Decoder {
    Q_DISABLE_COPY_MOVE(Mp3Decoder)

public:
    static constexpr int SampleRate = 44100;
    static constexpr int Channels = 2;

    /// Throws std::runtime_error when libmpg123 cannot provide a decoder.
    Mp3Decoder();
    ~Mp3Decoder();

    /// Opens \a path and decodes its first frame to prove that it plays; the next read() still starts at the
    /// first sample. Throws std::runtime_error with the reason when the file is missing, unreadable, not a regular
    /// file (a FIFO, a folder or a device is refused without waiting on it) or holds no MPEG audio; the decoder is
    /// then closed.
    void open(const QString &path);
    /// Decodes into \a out (interleaved, two values per frame) and returns the number of frames written;
    /// 0 means the end of the file. Throws std::runtime_error on a decoding failure.
    qsizetype read(std::span<std::int16_t> out);
    /// Goes back to the first sample of the open file. Throws std::runtime_error on failure.
    void rewind();

private:
    void close();

    mpg123_handle_struct *m_handle = nullptr;
    int m_fd = -1;
    bool m_open = false;
};
