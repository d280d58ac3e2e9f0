#include "mp3decoder.h"

#include <mpg123.h>

#include <sys/stat.h>
#include <unistd.h>

#include <mutex>
#include <stdexcept>
#include <string>

namespace {

std::runtime_error failure(const QString &path, const char *what) {
    return std::runtime_error(QStringLiteral("%1: %2").arg(path, QLatin1StringView(what)).toStdString());
}

// Whether the file's Xing or Info tag claims a length it cannot have: more frames than its size holds, or more
// padding than sound. libmpg123 converts the claimed length frame by frame when it resamples, so such a tag would
// hold it for minutes; a probe at the file's own rate reads the claim without that cost.
bool claimsImpossibleLength(int fd) {
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        return false;
    }
    int error = MPG123_OK;
    mpg123_handle *probe = mpg123_new(nullptr, &error);
    if (!probe) {
        return false;
    }
    mpg123_param(probe, MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_QUIET, 0.0);
    long rate = 0;
    int channels = 0;
    int encoding = 0;
    bool impossible = false;
    if (mpg123_open_fd(probe, fd) == MPG123_OK) {
        const int format = mpg123_getformat(probe, &rate, &channels, &encoding);
        // No MPEG audio frame is shorter than 24 bytes.
        impossible =
            mpg123_framelength(probe) > status.st_size / 24 + 1 || (format == MPG123_DONE && mpg123_length(probe) <= 0);
    }
    mpg123_delete(probe);
    ::lseek(fd, 0, SEEK_SET);
    return impossible;
}

} // namespace

Mp3Decoder::Mp3Decoder() {
    static std::once_flag initialised;
    std::call_once(initialised, [] { mpg123_init(); });
    int error = MPG123_OK;
    m_handle = mpg123_new(nullptr, &error);
    if (!m_handle) {
        throw std::runtime_error(std::string("cannot create an MP3 decoder: ") + mpg123_plain_strerror(error));
    }
    mpg123_param(m_handle, MPG123_ADD_FLAGS, MPG123_GAPLESS | MPG123_QUIET | MPG123_FORCE_STEREO, 0.0);
    mpg123_param(m_handle, MPG123_FORCE_RATE, SampleRate, 0.0);
    mpg123_format_none(m_handle);
    mpg123_format(m_handle, SampleRate, MPG123_STEREO, MPG123_ENC_SIGNED_16);
}

Mp3Decoder::~Mp3Decoder() {
    close();
    mpg123_delete(m_handle);
}

void Mp3Decoder::open(const QString &path) {
    close();
    // Opened here, not by libmpg123, so that a FIFO or a device in the file's place cannot block the caller.
    const int fd = openSoundFile(path);
    mpg123_param(m_handle, claimsImpossibleLength(fd) ? MPG123_ADD_FLAGS : MPG123_REMOVE_FLAGS, MPG123_IGNORE_INFOFRAME,
                 0.0);
    if (mpg123_open_fd(m_handle, fd) != MPG123_OK) {
        ::close(fd);
        throw failure(path, mpg123_strerror(m_handle));
    }
    m_fd = fd;
    m_open = true;
    std::int16_t first[4608];
    qsizetype frames = 0;
    try {
        frames = read(first);
    } catch (...) {
        close();
        throw;
    }
    // libmpg123 reports a plain end of stream for data in which it finds no frame at all.
    if (frames == 0) {
        close();
        throw failure(path, "no MPEG audio frame found");
    }
    // Known once the first frame was read: from the LAME tag, or estimated from the file's size.
    const off_t length = mpg123_length(m_handle);
    m_lengthFrames = length > 0 ? qsizetype(length) : UnknownLength;
    rewind();
}

qsizetype Mp3Decoder::read(std::span<std::int16_t> out) {
    if (!m_open) {
        return 0;
    }
    unsigned char *bytes = reinterpret_cast<unsigned char *>(out.data());
    const std::size_t wanted = out.size() / Channels * Channels * sizeof(std::int16_t);
    std::size_t total = 0;
    int idleCalls = 0;
    while (total < wanted) {
        std::size_t done = 0;
        const int result = mpg123_read(m_handle, bytes + total, wanted - total, &done);
        total += done;
        if (result == MPG123_DONE) {
            break;
        }
        // A decoder that neither advances nor ends would hang the feed.
        idleCalls = done == 0 ? idleCalls + 1 : 0;
        if ((result != MPG123_OK && result != MPG123_NEW_FORMAT) || idleCalls > 64) {
            throw std::runtime_error(std::string("MP3 decoding failed: ") + mpg123_strerror(m_handle));
        }
    }
    return static_cast<qsizetype>(total / (Channels * sizeof(std::int16_t)));
}

void Mp3Decoder::rewind() {
    if (!m_open) {
        return;
    }
    // A seek back to the start lands elsewhere in some cut or damaged files, and resampling keeps its dither over
    // it: starting the stream afresh on the same descriptor makes every pass the same sound as the first.
    mpg123_close(m_handle);
    m_open = false;
    if (::lseek(m_fd, 0, SEEK_SET) != 0 || mpg123_open_fd(m_handle, m_fd) != MPG123_OK) {
        throw std::runtime_error(std::string("cannot return to the start of the MP3 file: ") +
                                 mpg123_strerror(m_handle));
    }
    m_open = true;
}

void Mp3Decoder::close() {
    if (m_open) {
        mpg123_close(m_handle);
        m_open = false;
    }
    // libmpg123 leaves a descriptor it was given open.
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}
