#pragma once

#include <QIcon>
#include <QMetaType>
#include <QString>

/// A picture as the tray control takes it: a type and the image; only the Icon type serves as a tray icon.
struct TrayPicture {
    static constexpr int None = 0;
    static constexpr int Bitmap = 1;
    static constexpr int Icon = 3;

    int type = None;
    QIcon icon;
    /// The file or resource the picture was read from, so that saved control data can name it again.
    QString source;

    /// An icon picture of \a icon.
    static TrayPicture fromIcon(const QIcon &icon, const QString &source = QString());
    /// The picture in \a path: Icon for an icon file, Bitmap for any other image, None when nothing is readable.
    static TrayPicture fromFile(const QString &path);
};

Q_DECLARE_METATYPE(TrayPicture)
