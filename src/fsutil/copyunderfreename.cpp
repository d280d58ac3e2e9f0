#include "copyunderfreename.h"

#include "regularfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

// Gives up past this many numbers rather than trying without end.
constexpr int MostTries = 1000;

bool fail(QString *error, const QString &reason) {
    if (error != nullptr) {
        *error = reason;
    }
    return false;
}

bool copyInto(QFile &from, QTemporaryFile &to, QString *error) {
    QByteArray chunk(256 * 1024, Qt::Uninitialized);
    while (true) {
        const qint64 got = from.read(chunk.data(), chunk.size());
        if (got < 0) {
            return fail(error, from.errorString());
        }
        if (got == 0) {
            break;
        }
        if (to.write(chunk.constData(), got) != got) {
            return fail(error, to.errorString());
        }
    }
    // On disk before it is named, so a power loss leaves no empty sound behind.
    if (!to.flush() || ::fsync(to.handle()) != 0) {
        return fail(error, to.errorString());
    }
    return true;
}

} // namespace

QString numberedName(const QString &name, int n) {
    if (n <= 1) {
        return name;
    }
    const qsizetype dot = name.lastIndexOf(u'.');
    const qsizetype at = dot > 0 ? dot : name.size();
    return name.left(at) + u" (%1)"_s.arg(n) + name.mid(at);
}

QString copyUnderFreeName(const QString &source, const QString &folder, const QString &name,
                          const std::function<bool(const QString &)> &taken, QString *error) {
    const int fd = openRegularFile(source, error);
    if (fd < 0) {
        return {};
    }
    QFile from;
    if (!from.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        fail(error, from.errorString());
        return {};
    }
    if (!QDir().mkpath(folder)) {
        fail(error, u"the folder %1 cannot be made"_s.arg(folder));
        return {};
    }
    // Beside the folder, not in it: on the same file system, and never listed.
    QTemporaryFile copy(QFileInfo(folder).absolutePath() + u"/.adding-XXXXXX"_s);
    if (!copy.open()) {
        fail(error, copy.errorString());
        return {};
    }
    if (!copyInto(from, copy, error)) {
        return {};
    }
    for (int n = 1; n <= MostTries; ++n) {
        const QString candidate = numberedName(name, n);
        const QString target = folder + u'/' + candidate;
        if (taken(candidate) || QFileInfo::exists(target)) {
            continue;
        }
        // Renaming never replaces a file that came in meanwhile: the next number is tried instead.
        if (copy.rename(target)) {
            copy.setAutoRemove(false);
            return candidate;
        }
        if (!QFileInfo::exists(target)) {
            fail(error, copy.errorString());
            return {};
        }
    }
    fail(error, u"every name up to %1 is taken"_s.arg(numberedName(name, MostTries)));
    return {};
}
