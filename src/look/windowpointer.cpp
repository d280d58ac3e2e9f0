#include "windowpointer.h"

#include "regularfile.h"

#include <QBuffer>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

#include <stdexcept>

using namespace Qt::StringLiterals;

namespace {
// Far beyond any cursor's pictures; a bigger file is not one.
constexpr qint64 MaxCursorBytes = 4 * 1024 * 1024;
} // namespace

void WindowPointer::setMousePointer(int pointer) {
    if (pointer != Default && pointer != Busy && pointer != Custom) {
        throw std::invalid_argument("Invalid mouse pointer kind " + std::to_string(pointer));
    }
    m_pointer = pointer;
    applyToWindow();
}

bool WindowPointer::loadMouseIcon(const QString &curPath, QString *error) {
    // Anything but a regular file (a FIFO, a device) could hold the read for ever: it counts as unreadable. The
    // picture is decoded later from what is read now, so nothing put in the file's place afterwards is opened.
    QString why;
    const std::optional<QByteArray> contents = readRegularFile(curPath, MaxCursorBytes, &why);
    if (!contents) {
        if (error != nullptr) {
            *error = u"%1 cannot be read: %2"_s.arg(curPath, why);
        }
        return false;
    }
    const std::optional<QPoint> hotSpot = cursorFileHotSpot(*contents);
    if (!hotSpot) {
        if (error != nullptr) {
            *error = u"%1 is not a cursor file"_s.arg(curPath);
        }
        return false;
    }
    m_iconFile = IconFile{*contents, *hotSpot};
    m_mouseIcon.reset();
    applyToWindow();
    return true;
}

QCursor WindowPointer::MouseIcon() const {
    if (!m_iconFile) {
        return QCursor(Qt::ArrowCursor);
    }
    if (!m_mouseIcon) {
        // Qt's "cur" reader gives the picture but not the hot spot, which came from the file itself.
        QBuffer file;
        file.setData(m_iconFile->contents);
        const QImage image = QImageReader(&file, "cur").read();
        const QPoint hotSpot = m_iconFile->hotSpot;
        const bool inside = image.rect().contains(hotSpot);
        m_mouseIcon = image.isNull()
                          ? QCursor(Qt::ArrowCursor)
                          : QCursor(QPixmap::fromImage(image), inside ? hotSpot.x() : -1, inside ? hotSpot.y() : -1);
    }
    return *m_mouseIcon;
}

void WindowPointer::mouseMovedOver(int newPointer) {
    if (m_pointer != Busy) {
        setMousePointer(newPointer);
    }
}

std::optional<QPoint> WindowPointer::cursorFileHotSpot(const QByteArray &contents) {
    // ICONDIR (reserved, type 2, count) followed by the first entry, whose bytes 4 to 7 hold the hot spot and 8 to
    // 15 the size and offset of its picture.
    if (contents.size() < 6 + 16) {
        return std::nullopt;
    }
    const auto word = [&contents](int offset) { return qFromLittleEndian<quint16>(contents.constData() + offset); };
    const auto dword = [&contents](int offset) { return qFromLittleEndian<quint32>(contents.constData() + offset); };
    if (word(0) != 0 || word(2) != 2 || word(4) == 0 || dword(14) == 0 ||
        quint64(dword(14)) + dword(18) > quint64(contents.size())) {
        return std::nullopt;
    }
    return QPoint(word(10), word(12));
}

void WindowPointer::applyToWindow() {
    if (m_window.isNull()) {
        return;
    }
    if (m_pointer == Busy) {
        m_window->setCursor(Qt::WaitCursor);
    } else if (m_pointer == Custom && m_iconFile) {
        m_window->setCursor(MouseIcon());
    } else {
        m_window->unsetCursor();
    }
}
