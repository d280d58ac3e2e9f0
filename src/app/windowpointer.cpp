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
    // Qt's "cur" reader gives the picture but not the hot spot, which is read from the file itself.
    const std::optional<QPoint> hotSpot = cursorFileHotSpot(curPath);
    QImageReader reader(curPath, "cur");
    const QImage image = reader.read();
    if (!hotSpot || image.isNull()) {
        if (error != nullptr) {
            *error = image.isNull() ? reader.errorString() : u"%1 is not a cursor file"_s.arg(curPath);
        }
        return false;
    }
    const bool inside = image.rect().contains(*hotSpot);
    m_mouseIcon = QCursor(QPixmap::fromImage(image), inside ? hotSpot->x() : -1, inside ? hotSpot->y() : -1);
    applyToWindow();
    return true;
}

void WindowPointer::mouseMovedOver(int newPointer) {
    if (m_pointer != Busy) {
        setMousePointer(newPointer);
    }
}

std::optional<QPoint> WindowPointer::cursorFileHotSpot(const QString &curPath) {
    // ICONDIR (reserved, type 2, count) followed by the first entry, whose bytes 4 to 7 hold the hot spot.
    QFile file(curPath);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray head = file.read(6 + 16);
    if (head.size() < 6 + 16) {
        return std::nullopt;
    }
    const auto word = [&head](int offset) { return qFromLittleEndian<quint16>(head.constData() + offset); };
    if (word(0) != 0 || word(2) != 2 || word(4) == 0) {
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
    } else if (m_pointer == Custom && m_mouseIcon) {
        m_window->setCursor(*m_mouseIcon);
    } else {
        m_window->unsetCursor();
    }
}
