#include "reopeningdecoder.h"

#include <QFile>
#include <QLoggingCategory>

#include <sys/stat.h>

#include <stdexcept>
#include <utility>

Q_LOGGING_CATEGORY(lcDecoder, "somnivox.decoder")

ReopeningDecoder::ReopeningDecoder(QString path, Opener open)
    // Taken before the file is opened: a change in between is found at the first pass's end, never missed.
    : m_path(std::move(path)), m_open(open), m_identity(identityOf(m_path)), m_decoder(m_open(m_path)) {}

ReopeningDecoder::~ReopeningDecoder() = default;

bool ReopeningDecoder::reopenIfChanged() {
    const std::optional<Identity> now = identityOf(m_path);
    // A file removed since plays on from what is open.
    if (!now || now == m_identity) {
        return false;
    }
    // Tried once for each change: a file that does not play now may be written whole later.
    m_identity = now;
    try {
        m_decoder = m_open(m_path);
    } catch (const std::runtime_error &error) {
        qCWarning(lcDecoder) << "plays on from the file as it was opened:" << error.what();
        return false;
    }
    return true;
}

std::optional<ReopeningDecoder::Identity> ReopeningDecoder::identityOf(const QString &path) {
    // A look at the name alone, which never waits on whatever is there.
    struct stat status {};
    if (::stat(QFile::encodeName(path).constData(), &status) != 0) {
        return std::nullopt;
    }
    return Identity{status.st_dev, status.st_ino, status.st_size, status.st_mtim.tv_sec, status.st_mtim.tv_nsec};
}
