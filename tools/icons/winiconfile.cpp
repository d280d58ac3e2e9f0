#include "winiconfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QtEndian>

#include <array>
#include <stdexcept>

namespace WinIconFile {

namespace {

constexpr int iconDirSize = 6;
constexpr int iconDirEntrySize = 16;
constexpr int bitmapInfoHeaderSize = 40;

void appendLE16(QByteArray &out, quint16 value) {
    std::array<char, 2> bytes{};
    qToLittleEndian(value, bytes.data());
    out.append(bytes.data(), bytes.size());
}

void appendLE32(QByteArray &out, quint32 value) {
    std::array<char, 4> bytes{};
    qToLittleEndian(value, bytes.data());
    out.append(bytes.data(), bytes.size());
}

int paddedRowBytes(int bits) {
    return ((bits + 31) / 32) * 4;
}

bool isTransparent(QRgb pixel) {
    return qAlpha(pixel) < 128;
}

// The image part of an .ico or .cur: a bitmap header with doubled height, the colour rows and the 1-bit AND mask
// rows, both bottom-up.
QByteArray encodeDib(const QImage &source, int bitCount) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    const int width = image.width();
    const int height = image.height();
    const int colourStride = paddedRowBytes(width * bitCount);
    const int maskStride = paddedRowBytes(width);

    QByteArray dib;
    appendLE32(dib, bitmapInfoHeaderSize);
    appendLE32(dib, quint32(width));
    appendLE32(dib, quint32(height * 2));
    appendLE16(dib, 1);
    appendLE16(dib, quint16(bitCount));
    appendLE32(dib, 0); // uncompressed
    appendLE32(dib, quint32((colourStride + maskStride) * height));
    for (int i = 0; i < 4; ++i) {
        appendLE32(dib, 0);
    }

    for (int y = height - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QByteArray row;
        for (int x = 0; x < width; ++x) {
            const QRgb pixel = line[x];
            // Under the AND mask a 24-bit pixel must be black to leave the screen unchanged.
            const bool hidden = bitCount == 24 && isTransparent(pixel);
            row.append(char(hidden ? 0 : qBlue(pixel)));
            row.append(char(hidden ? 0 : qGreen(pixel)));
            row.append(char(hidden ? 0 : qRed(pixel)));
            if (bitCount == 32) {
                row.append(char(qAlpha(pixel)));
            }
        }
        row.resize(colourStride, '\0');
        dib.append(row);
    }
    for (int y = height - 1; y >= 0; --y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        QByteArray row(maskStride, '\0');
        for (int x = 0; x < width; ++x) {
            if (isTransparent(line[x])) {
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
            }
        }
        dib.append(row);
    }
    return dib;
}

QByteArray encode(const QImage &image, quint16 type, quint16 planesOrHotX, quint16 bitCountOrHotY, int bitCount) {
    if (image.isNull() || image.width() > 256 || image.height() > 256) {
        throw std::invalid_argument("an icon or cursor image must be 1 to 256 pixels on each side");
    }
    const QByteArray dib = encodeDib(image, bitCount);
    QByteArray file;
    appendLE16(file, 0);
    appendLE16(file, type);
    appendLE16(file, 1);
    file.append(char(image.width() == 256 ? 0 : image.width()));
    file.append(char(image.height() == 256 ? 0 : image.height()));
    file.append(char(0)); // no palette
    file.append(char(0));
    appendLE16(file, planesOrHotX);
    appendLE16(file, bitCountOrHotY);
    appendLE32(file, quint32(dib.size()));
    appendLE32(file, iconDirSize + iconDirEntrySize);
    file.append(dib);
    return file;
}

} // namespace

QByteArray encodeCursor(const QImage &image, QPoint hotSpot) {
    if (!image.rect().contains(hotSpot)) {
        throw std::invalid_argument("the cursor's hot spot lies outside its image");
    }
    return encode(image, 2, quint16(hotSpot.x()), quint16(hotSpot.y()), 32);
}

QByteArray encodeIcon24(const QImage &image) {
    return encode(image, 1, 1, 24, 24);
}

bool writeFile(const QString &path, const QByteArray &data, QString *error) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

} // namespace WinIconFile
