#pragma once

#include <QString>
#include <QtGlobal>

#include <cstdint>
#include <limits>
#include <memory>
#include <span>

class MixGains;

/// A sound file streamed as interleaved stereo signed 16-bit frames. Memory use does not depend on the length of
/// the file. Not thread-safe: use one decoder from one thread at a time.
class Decoder {
public:
    static constexpr int Channels = 2;
    /// What lengthFrames() says of a length not known ahead, and of a sound that never ends.
    static constexpr qsizetype UnknownLength = -1;
    static constexpr qsizetype Endless = std::numeric_limits<qsizetype>::max();

    Decoder() = default;
    virtual ~Decoder() = default;
    Q_DISABLE_COPY_MOVE(Decoder)

    /// Frames per second of what read() returns.
    virtual int sampleRate() const = 0;
    /// Decodes into \a out (two values per frame) and returns the number of frames written; 0 means the end of the
    /// file. Throws std::runtime_error on a decoding failure.
    virtual qsizetype read(std::span<std::int16_t> out) = 0;
    /// Goes back to the first sample, so that the next pass decodes exactly as the first. Throws
    /// std::runtime_error on failure.
    virtual void rewind() = 0;
    /// When the file was replaced or changed since it was opened and plays, opens it afresh at its first sample,
    /// maybe at another sampleRate(), and returns true; otherwise returns false and nothing changes: a changed file
    /// that does not play leaves what was open. A decoder that knows no file never reopens.
    virtual bool reopenIfChanged() { return false; }
    /// The frames of one pass, when known before it is read: UnknownLength otherwise, Endless for a sound that never
    /// ends.
    virtual qsizetype lengthFrames() const { return UnknownLength; }
    /// The volumes of a mix's layers, which may change while it plays; none for a single sound.
    virtual std::shared_ptr<MixGains> mixGains() const { return nullptr; }
};

/// Opens \a path with the decoder its name calls for: a generated noise's source (see GeneratedNoise) with a
/// NoiseGenerator seeded afresh, FLAC, Ogg Vorbis, Opus and WAV files with libsndfile, any
/// other as MP3; it reopens the file when it changes (see ReopeningDecoder). Throws std::runtime_error with the reason
/// when the file does not play.
std::unique_ptr<Decoder> openDecoder(const QString &path);

/// Opens \a path for reading when it is a regular file, without ever waiting on a FIFO or a device in its place;
/// the caller owns the descriptor. Throws std::runtime_error with the reason otherwise.
int openSoundFile(const QString &path);
