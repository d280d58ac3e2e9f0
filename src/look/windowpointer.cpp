#include "windowpointer.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmap>
#include <QtEndian>

#include <stdexcept>

using namespace Qt::StringLiterals;

void WindowPointer::setMousePointer(int pointer) {
    if (pointer != Default && pointer != Busy && pointer != Custom) {
        throw std::invalid_argument("Invalid mouse pointer kind " + std::to_string(pointer));
    }
    m_pointer = pointer;
    applyToWindow();
}

bool WindowPointer::loadMouseIcon(const QString &curPath, QString *error) {
    // Anything but a regular file (a FIFO, a device) could hold the read for ever: it counts as unreadable.
    if (!QFileInfo(curPath).isFile()) {
        if (error != nullptr) {
            *error = u"%1 cannot be read: it is not a regular file"_s.arg(curPath);
        }
        return false;
    }
    const std::optional<QPoint> hotSpot = cursorFileHotSpot(curPath);
    if (!hotSpot) {
        if (error != nullptr) {
            *error = u"%1 is not a cursor file"_s.arg(curPath);
        }
        return false;
    }
    m_iconFile = IconFile{curPath, *hotSpot};
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
        const QImage image = QImageReader(m_iconFile->path, "cur").read();
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

std::optional<QPoint> WindowPointer::cursorFileHotSpot(const QString &curPath) {
    // ICONDIR (reserved, type 2, count) followed by the first entry, whose bytes 4 to 7 hold the hot spot and 8 to
    // 15 the size and offset of its picture.
    QFile file(curPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray head = file.read(6 + 16);
    if (head.size() < 6 + 16) {
        return std::nullopt;
    }
    const auto word = [&head](int offset) { return qFromLittleEndian<quint16>(head.constData() + offset); };
    const auto dword = [&head](int offset) { return qFromLittleEndian<quint32>(head.constData() + offset); };
    if (word(0) != 0 || word(2) != 2 || word(4) == 0 || dword(14) == 0 ||
        quint64(dword(14)) + dword(18) > quint64(file.size())) {
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
