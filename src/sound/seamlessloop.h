#pragma once

#include "decoder.h"

#include <QtGlobal>

#include <array>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

/// A file played round and round. A file whose last samples flow into its first repeats exactly, bit for bit;
/// one whose end jumps far outside the file's own sample-to-sample changes (a recording cut mid-wave, a tone cut
/// mid-cycle) crosses from its end into its start with a short equal-power crossfade instead, so no click is heard.
/// The seam is judged on the first pass, from the file's own signal, with memory that does not grow with the file:
/// the last frames of every pass are held back until the decoder tells whether the file goes on. A short file is
/// decoded once and looped from memory (see PassCache). A file that changes while it loops is opened afresh at the
/// end of a pass (see Decoder::reopenIfChanged()), its rate and seam taken anew.
class SeamlessLoop {
    Q_DISABLE_COPY_MOVE(SeamlessLoop)

public:
    enum class Seam { Unknown, Clean, Crossfaded };

    /// Takes an open decoder.
    explicit SeamlessLoop(std::unique_ptr<Decoder> decoder);
    ~SeamlessLoop();

    int sampleRate() const { return m_decoder->sampleRate(); }
    /// How the seam is crossed; Unknown until the first pass has ended.
    Seam seam() const { return m_seam; }

    /// Writes stereo frames into \a out and returns the number written, fewer than fit only when the file has ended
    /// with \a loop off. Throws std::runtime_error when the file cannot be decoded or no longer yields any audio.
    qsizetype read(std::span<std::int16_t> out, bool loop);
    /// Drops what has been decoded ahead and not yet read, but for the frames held back for the seam: a change made
    /// in the decoder (a mix's volumes) is read from the next frame of a sound that never ends.
    void dropDecoded();

private:
    using Frame = std::array<std::int16_t, Decoder::Channels>;

    qsizetype pending() const;
    qsizetype ready() const;
    void pull(bool loop);
    void observe(const std::int16_t *frames, qsizetype count);
    void judgeSeam();
    void crossfadeTail();
    void startNextPass();

    std::unique_ptr<Decoder> m_decoder;
    // A sound that never ends has no seam to hold its last frames back for.
    const bool m_endless;
    qsizetype m_fadeFrames;
    std::vector<std::int16_t> m_pending;
    qsizetype m_pendingStart = 0;
    std::vector<std::int16_t> m_head;
    std::vector<std::int16_t> m_chunk;
    qsizetype m_passFrames = 0;
    bool m_firstPass = true;
    bool m_passEnded = false;
    bool m_skipHead = false;
    Seam m_seam = Seam::Unknown;

    // The first pass's own changes from frame to frame, per channel.
    std::array<double, Decoder::Channels> m_firstDiffSquares{};
    std::array<double, Decoder::Channels> m_largestBend{};
    Frame m_previous{};
    Frame m_beforePrevious{};
};
