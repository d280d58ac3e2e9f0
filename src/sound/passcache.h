#pragma once

#include "decoder.h"

#include <QtGlobal>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

/// A decoder that keeps the first pass of a short file: when that pass ends within MaxFrames frames, every later pass
/// is read from memory, so a file of a few frames is decoded once however many times a second it loops. A longer file
/// is decoded afresh at every pass, as the decoder does, in memory that does not grow with its length; one that the
/// decoder knows to be longer is never recorded at all. A file that changes is read afresh (see reopenIfChanged()).
class PassCache final : public Decoder {
    Q_DISABLE_COPY_MOVE(PassCache)

public:
    /// 2 MiB of stereo 16-bit frames, some 12 s at 44.1 kHz: a pass at least this long is decoded again no more often
    /// than every 12 s at rate 1, which costs next to nothing.
    static constexpr qsizetype MaxFrames = qsizetype{1} << 19;

    /// Takes an open decoder, positioned at its first sample.
    explicit PassCache(std::unique_ptr<Decoder> decoder);
    ~PassCache() override;

    int sampleRate() const override { return m_decoder->sampleRate(); }
    qsizetype read(std::span<std::int16_t> out) override;
    void rewind() override;
    /// Asks the decoder at most once a second of sound held in memory, and records the reopened file's first pass.
    bool reopenIfChanged() override;
    qsizetype lengthFrames() const override { return m_decoder->lengthFrames(); }

private:
    enum class State { Recording, Recorded, Held, Streaming };

    void record(std::span<const std::int16_t> frames);
    /// Recording, unless the decoder already knows that its pass cannot be kept.
    State firstState() const;

    std::unique_ptr<Decoder> m_decoder;
    State m_state;
    std::vector<std::int16_t> m_pass;
    std::size_t m_at = 0;
    /// Frames replayed from memory since the decoder was last asked whether its file changed.
    qsizetype m_heldSinceAsked = 0;
};
