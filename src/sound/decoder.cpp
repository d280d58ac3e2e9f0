#include "decoder.h"

#include "mp3decoder.h"
#include "sndfiledecoder.h"
#include "stylelibrary.h"

#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>

std::unique_ptr<Decoder> openDecoder(const QString &path) {
    if (StyleLibrary::isOtherSoundFormat(path)) {
        auto decoder = std::make_unique<SndFileDecoder>();
        decoder->open(path);
        return decoder;
    }
    auto decoder = std::make_unique<Mp3Decoder>();
    decoder->open(path);
    return decoder;
}

int openRegularFile(const QString &path) {
    const auto failure = [&path](const char *what) {
        return std::runtime_error(QStringLiteral("%1: %2").arg(path, QLatin1StringView(what)).toStdString());
    };
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        throw failure(std::strerror(errno));
    }
    struct stat status {};
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        throw failure("not a regular file");
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}
