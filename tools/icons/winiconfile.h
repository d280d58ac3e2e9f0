#pragma once

#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>

/// Writes Windows icon (.ico) and cursor (.cur) files holding one image.
namespace WinIconFile {

/// A cursor file (directory type 2) with one 32-bit image and its transparency mask; the hot spot is kept in the
/// directory entry. The image must be at most 256 pixels on each side.
QByteArray encodeCursor(const QImage &image, QPoint hotSpot);

/// An icon file (directory type 1) with one image at 24 bits per pixel; pixels that are less than half opaque are
/// marked transparent in the mask.
QByteArray encodeIcon24(const QImage &image);

/// Writes data to path, replacing any file there; on failure returns false and sets error.
bool writeFile(const QString &path, const QByteArray &data, QString *error);

} // namespace WinIconFile
