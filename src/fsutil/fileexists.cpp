#include "fileexists.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool FileExistsByDate(const QString &path) {
    if (path.isEmpty() || path.contains(QChar(0))) {
        return false;
    }
    const QFileInfo info(path);
    return info.exists() && info.lastModified().isValid();
}

bool FileExistsStrict(const QString &path) {
    if (path.isEmpty() || path.contains(QChar(0))) {
        return false;
    }
    // O_PATH asks for no access to the contents, so it neither needs read permission nor waits on a FIFO.
    const int fd = ::open(QFile::encodeName(path).constData(), O_PATH | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    struct stat status {};
    const bool isFile = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode);
    ::close(fd);
    return isFile;
}
