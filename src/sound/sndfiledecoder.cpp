#include "sndfiledecoder.h"

#include "sndfilelibrary.h"

#include <unistd.h>

#include <algorithm>
#include <stdexcept>

namespace {

constexpr int MaxRate = 768000;
constexpr qsizetype ScratchFrames = 4096;

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
    m_fd = openRegularFile(path);
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
    // Floating-point data may exceed full scale; scaled, it is heard as written instead of clipped or wrapped.
    m_sf->command(m_file, SFC_SET_SCALE_FLOAT_INT_READ, nullptr, SF_TRUE);
    m_scratch.resize(static_cast<std::size_t>(ScratchFrames * m_channels));
}

qsizetype SndFileDecoder::read(std::span<std::int16_t> out) {
    if (!m_file) {
        return 0;
    }
    const auto wanted = static_cast<qsizetype>(out.size() / Channels);
    qsizetype total = 0;
    while (total < wanted) {
        const qsizetype frames = std::min(wanted - total, ScratchFrames);
        const sf_count_t got = m_sf->readfShort(m_file, m_scratch.data(), frames);
        if (m_sf->error(m_file) != SF_ERR_NO_ERROR) {
            throw std::runtime_error(m_path.toStdString() + ": " + m_sf->strError(m_file));
        }
        std::int16_t *to = out.data() + total * Channels;
        for (sf_count_t i = 0; i < got; ++i) {
            const std::int16_t *from = m_scratch.data() + i * m_channels;
            to[2 * i] = from[0];
            to[2 * i + 1] = from[m_channels > 1 ? 1 : 0];
        }
        total += got;
        if (got < frames) {
            break;
        }
    }
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
