#include "regularfile.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

void setError(QString *error, const QString &reason) {
    if (error != nullptr) {
        *error = reason;
    }
}

} // namespace

int openRegularFile(const QString &path, QString *error) {
    // Opened without waiting, so that a FIFO with no writer cannot hold the caller; a regular file ignores the flag.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        setError(error, QString::fromLocal8Bit(std::strerror(errno)));
        return -1;
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        setError(error, u"not a regular file"_s);
        return -1;
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

bool canReadRegularFile(const QString &path, QString *error) {
    const int fd = openRegularFile(path, error);
    if (fd < 0) {
        return false;
    }
    ::close(fd);
    return true;
}

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, QString *error) {
    const int fd = openRegularFile(path, error);
    if (fd < 0) {
        return std::nullopt;
    }
    QByteArray bytes;
    char chunk[16 * 1024];
    while (true) {
        const ssize_t got = ::read(fd, chunk, sizeof chunk);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0) {
            setError(error, QString::fromLocal8Bit(std::strerror(errno)));
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0) {
            break;
        }
        if (bytes.size() + got > maxBytes) {
            setError(error, u"larger than %1 bytes"_s.arg(maxBytes));
            ::close(fd);
            return std::nullopt;
        }
        bytes.append(chunk, got);
    }
    ::close(fd);
    return bytes;
}
