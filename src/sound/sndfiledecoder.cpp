#include "sndfiledecoder.h"

#include "sndfilelibrary.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

constexpr int MaxRate = 768000;
// Samples of all channels read at a time: a file of many channels is read in fewer frames, never in more memory.
constexpr qsizetype ScratchSamples = 8192;

std::int16_t fromFloat(float value) {
    // A sample written beyond full scale is clipped there; the rest of the file keeps the level it was written at.
    const float scaled = std::isnan(value) ? 0.0f : std::clamp(value * 32768.0f, -32768.0f, 32767.0f);
    return static_cast<std::int16_t>(std::lrint(scaled));
}

} // namespace

SndFileDecoder::~SndFileDecoder() {
    close();
}

void SndFileDecoder::open(const QString &path) {
    close();
    m_path = path;
    try {
        m_sf = &SndFileLibrary::get();
    } catch (const std::runtime_error &e) {
        throw std::runtime_error(m_path.toStdString() + ": " + e.what());
    }
    m_fd = openSoundFile(path);
    try {
        openStream();
        std::int16_t first[2 * 1024];
        if (read(first) == 0) {
            throw std::runtime_error(m_path.toStdString() + ": no audio in the file");
        }
        rewind();
    } catch (...) {
        close();
        throw;
    }
}

void SndFileDecoder::openStream() {
    SF_INFO info{};
    m_file = m_sf->openFd(m_fd, SFM_READ, &info, SF_FALSE);
    if (!m_file) {
        throw std::runtime_error(m_path.toStdString() + ": " + m_sf->strError(nullptr));
    }
    if (info.channels < 1 || info.samplerate < 1 || info.samplerate > MaxRate) {
        throw std::runtime_error(m_path.toStdString() + ": unusable channel count or sample rate");
    }
    if (m_rate != 0 && (info.samplerate != m_rate || info.channels != m_channels)) {
        throw std::runtime_error(m_path.toStdString() + ": the file changed while it played");
    }
    m_rate = info.samplerate;
    m_channels = info.channels;
    // A stream of unknown length, such as a pipe's, says the largest count.
    m_lengthFrames = info.frames > 0 && info.frames < SF_COUNT_MAX ? qsizetype(info.frames) : UnknownLength;
    m_streamFrames = 0;
    m_broken = false;
    // Read as floating point, so that no codec's own conversion wraps a sample beyond full scale or rescales the file.
    m_scratchFrames = std::max<qsizetype>(1, ScratchSamples / m_channels);
    m_scratch.resize(static_cast<std::size_t>(m_scratchFrames * m_channels));
}

qsizetype SndFileDecoder::read(std::span<std::int16_t> out) {
    if (!m_file || m_broken) {
        return 0;
    }
    const auto wanted = static_cast<qsizetype>(out.size() / Channels);
    qsizetype total = 0;
    while (total < wanted && !m_broken) {
        const qsizetype frames = std::min(wanted - total, m_scratchFrames);
        const sf_count_t got = m_sf->readfFloat(m_file, m_scratch.data(), frames);
        if (m_sf->error(m_file) != SF_ERR_NO_ERROR) {
            if (m_streamFrames + total + got == 0) {
                throw std::runtime_error(m_path.toStdString() + ": " + m_sf->strError(m_file));
            }
            // A stream that breaks off ends there, as a file cut short does.
            m_broken = true;
        }
        std::int16_t *to = out.data() + total * Channels;
        for (sf_count_t i = 0; i < got; ++i) {
            const float *from = m_scratch.data() + i * m_channels;
            to[2 * i] = fromFloat(from[0]);
            to[2 * i + 1] = fromFloat(from[m_channels > 1 ? 1 : 0]);
        }
        total += got;
        if (got < frames) {
            break;
        }
    }
    m_streamFrames += total;
    return total;
}

void SndFileDecoder::rewind() {
    if (m_fd < 0) {
        return;
    }
    // Opened afresh rather than sought: every pass decodes exactly as the first, whatever the codec's seeking does.
    if (m_file) {
        m_sf->close(m_file);
        m_file = nullptr;
    }
    if (::lseek(m_fd, 0, SEEK_SET) != 0) {
        throw std::runtime_error(m_path.toStdString() + ": cannot return to the start of the file");
    }
    openStream();
}

void SndFileDecoder::close() {
    if (m_file) {
        m_sf->close(m_file);
        m_file = nullptr;
    }
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    m_rate = 0;
    m_channels = 0;
}
