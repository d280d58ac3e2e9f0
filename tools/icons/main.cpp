// Draws the application icon and the hand cursor into the build tree.

#include "iconart.h"
#include "winiconfile.h"

#include <QDir>
#include <QFileInfo>
#include <QString>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

bool savePng(const QImage &image, const QString &path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    return image.save(path, "PNG");
}

} // namespace

int main(int argc, char *argv[]) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s ICON-FOLDER CURSOR-FILE\n", argv[0]);
        return 2;
    }
    const QString iconFolder = QString::fromLocal8Bit(argv[1]);
    const QString cursorPath = QString::fromLocal8Bit(argv[2]);

    for (const int size : IconArt::applicationIconSizes()) {
        const QString path = u"%1/hicolor/%2x%2/apps/somnivox.png"_s.arg(iconFolder).arg(size);
        if (!savePng(IconArt::applicationIcon(size), path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }

    QString error;
    const QString icoPath = iconFolder + u"/somnivox.ico"_s;
    if (!WinIconFile::writeFile(icoPath, WinIconFile::encodeIcon24(IconArt::applicationIcon(16)), &error) ||
        !WinIconFile::writeFile(
            cursorPath, WinIconFile::encodeCursor(IconArt::handCursor(), IconArt::handCursorHotSpot()), &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
