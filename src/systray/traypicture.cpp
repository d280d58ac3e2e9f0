#include "traypicture.h"

#include <QImageReader>

TrayPicture TrayPicture::fromIcon(const QIcon &icon, const QString &source) {
    return TrayPicture{Icon, icon, source};
}

TrayPicture TrayPicture::fromFile(const QString &path) {
    if (path.isEmpty()) {
        return {};
    }
    QImageReader reader(path);
    if (!reader.canRead()) {
        return {};
    }
    const int type = reader.format() == "ico" ? Icon : Bitmap;
    return TrayPicture{type, QIcon(path), path};
}
