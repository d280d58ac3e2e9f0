#include "passcache.h"

#include <algorithm>

namespace {
constexpr std::size_t MaxSamples = std::size_t(PassCache::MaxFrames) * Decoder::Channels;
}

PassCache::PassCache(std::unique_ptr<Decoder> decoder) : m_decoder(std::move(decoder)), m_state(firstState()) {}

PassCache::~PassCache() = default;

PassCache::State PassCache::firstState() const {
    return m_decoder->lengthFrames() > MaxFrames ? State::Streaming : State::Recording;
}

qsizetype PassCache::read(std::span<std::int16_t> out) {
    if (m_state == State::Held) {
        const std::size_t take = std::min(out.size() / Channels * Channels, m_pass.size() - m_at);
        std::copy_n(m_pass.begin() + std::ptrdiff_t(m_at), take, out.begin());
        m_at += take;
        return qsizetype(take / Channels);
    }
    const qsizetype frames = m_decoder->read(out);
    if (m_state == State::Recording) {
        if (frames > 0) {
            record(out.first(std::size_t(frames) * Channels));
        } else if (!m_pass.empty()) {
            m_state = State::Recorded;
        }
    }
    return frames;
}

void PassCache::record(std::span<const std::int16_t> frames) {
    const std::size_t needed = m_pass.size() + frames.size();
    if (needed > MaxSamples) {
        m_state = State::Streaming;
        std::vector<std::int16_t>().swap(m_pass);
        return;
    }
    if (needed > m_pass.capacity()) {
        m_pass.reserve(std::min(MaxSamples, std::max(needed, 2 * m_pass.capacity())));
    }
    m_pass.insert(m_pass.end(), frames.begin(), frames.end());
}

void PassCache::rewind() {
    switch (m_state) {
    case State::Recorded:
        m_pass.shrink_to_fit();
        m_state = State::Held;
        [[fallthrough]];
    case State::Held:
        m_at = 0;
        return;
    case State::Recording:
        // Left part-way through, the pass is recorded again from its start.
        m_pass.clear();
        break;
    case State::Streaming:
        break;
    }
    m_decoder->rewind();
}

bool PassCache::reopenIfChanged() {
    if (m_state == State::Held) {
        // A pass of a few frames ends thousands of times a second: the file is looked at once a second of sound.
        m_heldSinceAsked += qsizetype(m_pass.size() / Channels);
        if (m_heldSinceAsked < sampleRate()) {
            return false;
        }
    }
    m_heldSinceAsked = 0;
    if (!m_decoder->reopenIfChanged()) {
        return false;
    }
    m_state = firstState();
    m_pass.clear();
    m_at = 0;
    return true;
}
