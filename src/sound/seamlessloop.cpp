#include "seamlessloop.h"

#include "passcache.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <stdexcept>

namespace {

constexpr int Channels = Decoder::Channels;
constexpr qsizetype ChunkFrames = 4096;
constexpr int CrossfadeMs = 30;
constexpr qsizetype MinFadeFrames = 2;
// A seam steps when it lies this far outside the file's own root-mean-square change from sample to sample: white
// noise, whose changes are the largest a sound has, passes this by chance about once in 10^15 seams.
constexpr double StepFactor = 8.0;
// It bends when its second difference exceeds the file's own largest this many times. The largest, not the mean:
// a lossy codec leaves its noise all through a file, and a little more at its very ends.
constexpr double BendFactor = 2.0;
// Below this a step is not heard, whatever the file around it.
constexpr double SmallestJump = 32.0;

// The seam is judged on the file's first two frames at least, however low its rate.
qsizetype fadeFrames(int sampleRate) {
    return std::max<qsizetype>(MinFadeFrames, qsizetype(sampleRate) * CrossfadeMs / 1000);
}

std::int16_t clamped(double value) {
    return static_cast<std::int16_t>(std::lround(std::clamp(value, -32768.0, 32767.0)));
}

} // namespace

SeamlessLoop::SeamlessLoop(std::unique_ptr<Decoder> decoder)
    : m_decoder(std::make_unique<PassCache>(std::move(decoder))),
      m_endless(m_decoder->lengthFrames() == Decoder::Endless), m_fadeFrames(fadeFrames(m_decoder->sampleRate())),
      m_chunk(ChunkFrames * Channels) {}

SeamlessLoop::~SeamlessLoop() = default;

qsizetype SeamlessLoop::pending() const {
    return static_cast<qsizetype>(m_pending.size() / Channels) - m_pendingStart;
}

// The last frames of a pass wait until it is known whether the seam changes them.
qsizetype SeamlessLoop::ready() const {
    return pending() - (m_passEnded || m_endless ? 0 : m_fadeFrames);
}

void SeamlessLoop::dropDecoded() {
    m_pendingStart += std::max<qsizetype>(ready(), 0);
}

qsizetype SeamlessLoop::read(std::span<std::int16_t> out, bool loop) {
    const auto wanted = static_cast<qsizetype>(out.size() / Channels);
    qsizetype produced = 0;
    while (produced < wanted) {
        if (const qsizetype ready = this->ready(); ready > 0) {
            const qsizetype take = std::min(ready, wanted - produced);
            std::copy_n(m_pending.begin() + m_pendingStart * Channels, take * Channels,
                        out.begin() + produced * Channels);
            m_pendingStart += take;
            produced += take;
        } else if (!m_passEnded) {
            pull(loop);
        } else if (loop) {
            startNextPass();
        } else {
            break;
        }
    }
    return produced;
}

void SeamlessLoop::pull(bool loop) {
    if (m_pendingStart > 0) {
        m_pending.erase(m_pending.begin(), m_pending.begin() + m_pendingStart * Channels);
        m_pendingStart = 0;
    }
    const qsizetype frames = m_decoder->read(m_chunk);
    if (frames > 0) {
        if (m_firstPass) {
            observe(m_chunk.data(), frames);
        }
        m_pending.insert(m_pending.end(), m_chunk.begin(), m_chunk.begin() + frames * Channels);
        m_passFrames += frames;
        return;
    }
    if (m_passFrames == 0) {
        // Looping a file that yields nothing would spin here for ever.
        throw std::runtime_error("the sound file no longer yields any audio");
    }
    if (m_firstPass) {
        judgeSeam();
    }
    if (loop && m_seam == Seam::Crossfaded && pending() >= m_fadeFrames) {
        crossfadeTail();
        m_skipHead = true;
    }
    m_passEnded = true;
}

void SeamlessLoop::observe(const std::int16_t *frames, qsizetype count) {
    for (qsizetype i = 0; i < count; ++i) {
        const qsizetype at = m_passFrames + i;
        for (int c = 0; c < Channels; ++c) {
            const double sample = frames[i * Channels + c];
            if (at >= 1) {
                const double first = sample - m_previous[c];
                m_firstDiffSquares[c] += first * first;
            }
            if (at >= 2) {
                m_largestBend[c] =
                    std::max(m_largestBend[c], std::abs(sample - 2.0 * m_previous[c] + m_beforePrevious[c]));
            }
            m_beforePrevious[c] = m_previous[c];
            m_previous[c] = frames[i * Channels + c];
        }
        if (at < m_fadeFrames) {
            m_head.insert(m_head.end(), frames + i * Channels, frames + (i + 1) * Channels);
        }
    }
}

void SeamlessLoop::judgeSeam() {
    m_firstPass = false;
    m_seam = Seam::Clean;
    // A file too short to cross over is left as it is.
    if (m_passFrames < 2 * m_fadeFrames || m_passFrames < 3) {
        return;
    }
    const auto frames = static_cast<double>(m_passFrames);
    for (int c = 0; c < Channels; ++c) {
        const double last = m_previous[c];
        const double beforeLast = m_beforePrevious[c];
        const double first = m_head[std::size_t(c)];
        const double second = m_head[std::size_t(Channels + c)];
        const double step = std::abs(first - last);
        const double bend = std::max(std::abs(first - 2.0 * last + beforeLast), std::abs(second - 2.0 * first + last));
        const double ownStep = std::sqrt(m_firstDiffSquares[c] / (frames - 1.0));
        if (step > std::max(SmallestJump, StepFactor * ownStep) ||
            bend > std::max(SmallestJump, BendFactor * m_largestBend[c])) {
            m_seam = Seam::Crossfaded;
        }
    }
}

void SeamlessLoop::crossfadeTail() {
    std::int16_t *tail =
        m_pending.data() + (static_cast<qsizetype>(m_pending.size() / Channels) - m_fadeFrames) * Channels;
    for (qsizetype i = 0; i < m_fadeFrames; ++i) {
        const double angle = std::numbers::pi / 2.0 * (double(i) + 0.5) / double(m_fadeFrames);
        for (int c = 0; c < Channels; ++c) {
            const std::size_t at = std::size_t(i * Channels + c);
            tail[at] = clamped(tail[at] * std::cos(angle) + m_head[at] * std::sin(angle));
        }
    }
}

void SeamlessLoop::startNextPass() {
    m_passEnded = false;
    m_passFrames = 0;
    if (m_decoder->reopenIfChanged()) {
        // A file changed under the loop is heard afresh from its start, its seam judged again.
        m_fadeFrames = fadeFrames(m_decoder->sampleRate());
        m_firstPass = true;
        m_skipHead = false;
        m_seam = Seam::Unknown;
        m_head.clear();
        m_firstDiffSquares = {};
        m_largestBend = {};
        return;
    }
    m_decoder->rewind();
    if (m_skipHead) {
        // The file's first frames were heard inside the crossfade.
        m_skipHead = false;
        qsizetype skipped = 0;
        while (skipped < m_fadeFrames) {
            const qsizetype got = m_decoder->read(
                std::span(m_chunk).first(std::size_t(std::min(ChunkFrames, m_fadeFrames - skipped) * Channels)));
            if (got == 0) {
                break;
            }
            skipped += got;
        }
    }
}
