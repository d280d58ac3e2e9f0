#pragma once

#include "decoder.h"

#include <QString>

#include <vector>

struct sf_private_tag;
struct SndFileLibrary;

/// Streams a FLAC, Ogg Vorbis, Opus or WAV file with libsndfile at the file's own rate and at the level it was
/// written at: a mono file is heard on both sides, a file of more channels by its first two. A stream that breaks off
/// part-way ends there.
class SndFileDecoder final : public Decoder {
    Q_DISABLE_COPY_MOVE(SndFileDecoder)

public:
    SndFileDecoder() = default;
    ~SndFileDecoder() override;

    /// Opens \a path and decodes its first samples to prove that it plays; the next read() still starts at the
    /// first sample. Throws std::runtime_error with the reason when the file is missing, unreadable, not a regular
    /// file or not a sound libsndfile reads; the decoder is then closed.
    void open(const QString &path);

    int sampleRate() const override { return m_rate; }
    qsizetype read(std::span<std::int16_t> out) override;
    void rewind() override;
    /// As the file's header says; a file that breaks off part-way ends sooner.
    qsizetype lengthFrames() const override { return m_lengthFrames; }

private:
    void openStream();
    void close();

    QString m_path;
    const SndFileLibrary *m_sf = nullptr;
    sf_private_tag *m_file = nullptr;
    int m_fd = -1;
    int m_rate = 0;
    int m_channels = 0;
    qsizetype m_lengthFrames = UnknownLength;
    qsizetype m_scratchFrames = 0;
    qint64 m_streamFrames = 0;
    bool m_broken = false;
    std::vector<float> m_scratch;
};
