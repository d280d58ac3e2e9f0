#pragma once

#include <QFile>
#include <QString>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

/// Makes a node that is no regular file at \a path: "fifo" or "socket" (a bound local socket; opening it fails at
/// once, so the old code under test cannot hang on it).
inline bool makeNonRegularFile(const QString &path, const QString &kind) {
    const QByteArray name = QFile::encodeName(path);
    if (kind == QLatin1String("fifo")) {
        return ::mkfifo(name.constData(), 0600) == 0;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() >= static_cast<qsizetype>(sizeof(address.sun_path))) {
        return false;
    }
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const bool bound = fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof(address)) == 0;
    if (fd >= 0) {
        ::close(fd);
    }
    return bound;
}

/// The file type bits of \a path itself (a link is not followed), 0 when there is nothing.
inline mode_t nodeType(const QString &path) {
    struct stat status {};
    return ::lstat(QFile::encodeName(path).constData(), &status) == 0 ? (status.st_mode & S_IFMT) : 0;
}
