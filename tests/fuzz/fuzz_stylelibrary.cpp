// The sounds folder listed into styles, with files of arbitrary names.

#include "addfolder.h"
#include "fuzzcheck.h"
#include "generatednoise.h"
#include "stylelibrary.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <dirent.h>
#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

void checkStyle(const QString &programFolder, const QString &name) {
    const QString style = StyleLibrary::styleName(name);
    const qsizetype removed = name.count(u".mp3"_s);
    fuzzCheck(style.size() == name.size() - 4 * removed, "styleName removed something else than \".mp3\"", name);
    // One pass, as the original: a ".mp3" is left only where a removal joined its pieces ("a.m.mp3p3" gives "a.mp3").
    fuzzCheck(!style.contains(u".mp3"_s) || removed >= 1, "a \".mp3\" remains in the style", name);
    const QString sounds = StyleLibrary::soundsFolder(programFolder);
    const QString file = StyleLibrary::styleFile(programFolder, style);
    if (GeneratedNoise::colourOf(file)) {
        fuzzCheck(GeneratedNoise::sourceOf(style) == file && !QFileInfo::exists(sounds + u'/' + style + u".mp3"_s),
                  "a style other than a generated noise's, or one with a file, is generated", style);
        return;
    }
    fuzzCheck(file.startsWith(sounds + u'/') && file.endsWith(u".mp3"_s), "the style file is not in the sounds folder",
              file);
    if (name.endsWith(u".mp3"_s) && removed == 1) {
        fuzzCheck(file == sounds + u'/' + name, "the style does not play its own file", name);
    }
}

// By raw names: Qt cannot name back a file whose name is not UTF-8.
void emptyFolder(const QByteArray &folder) {
    if (DIR *dir = ::opendir(folder.constData())) {
        while (const dirent *entry = ::readdir(dir)) {
            const QByteArray name(entry->d_name);
            if (name != "." && name != "..") {
                ::unlink((folder + '/' + name).constData());
            }
        }
        ::closedir(dir);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    static QTemporaryDir program;
    const QString sounds = StyleLibrary::soundsFolder(program.path());
    QDir().mkpath(sounds);

    const QList<QByteArray> names =
        QByteArray(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size)).split('\n').mid(0, 8);
    QStringList expected;
    for (const QByteArray &name : names) {
        checkStyle(program.path(), QString::fromUtf8(name));
        if (name.isEmpty() || name == "." || name == ".." || name.contains('/') || name.contains('\0') ||
            name.size() > 255) {
            continue;
        }
        const QByteArray path = QFile::encodeName(sounds) + '/' + name;
        const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::close(fd);
            // A name that is not UTF-8 cannot be named back by the program; it is left out, not mangled.
            if (QFile::encodeName(QFile::decodeName(name)) == name && !expected.contains(QFile::decodeName(name))) {
                expected << QFile::decodeName(name);
            }
        }
    }

    const FolderList listed = ListFolderFiles(sounds, u"*.*"_s);
    const QStringList found = listed.names();
    fuzzCheck(listed.lowerBound() == (found.isEmpty() ? 0 : 1) && listed.upperBound() == found.size(),
              "the listing's bounds do not match its names");
    fuzzCheck(found.size() == expected.size(), "the listing lost or invented a file", found.join(u'|'));
    for (const QString &name : found) {
        fuzzCheck(expected.count(name) == 1, "the listing holds a name that was not created", name);
        checkStyle(program.path(), name);
    }
    emptyFolder(QFile::encodeName(sounds));
    return 0;
}
