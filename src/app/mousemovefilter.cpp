#include "mousemovefilter.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

#include <stdexcept>

MouseMoveFilter::MouseMoveFilter(QWidget *window, const QList<QWidget *> &controls)
    : QObject(window), m_window(window) {
    m_surfaces.insert(window);
    for (const QWidget *control : controls) {
        m_surfaces.insert(control);
    }
    // Moves over widgets without mouse tracking reach only the application's filters.
    QCoreApplication::instance()->installEventFilter(this);
}

void MouseMoveFilter::setHandler(QWidget *surface, const Handler &handler) {
    if (!m_surfaces.contains(surface)) {
        throw std::invalid_argument("A mouse-move handler for a widget that is not a surface of the window");
    }
    surface->setMouseTracking(true);
    m_handlers.insert(surface, handler);
}

bool MouseMoveFilter::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::MouseMove) {
        return false;
    }
    const auto *receiver = qobject_cast<const QWidget *>(watched);
    const auto *move = dynamic_cast<const QMouseEvent *>(event);
    // A move that the widget under the pointer ignored is passed on to its parents: serve it once, at the first.
    if (receiver == nullptr || move == nullptr || m_window.isNull() || receiver->window() != m_window ||
        receiver->childAt(move->position().toPoint()) != nullptr) {
        return false;
    }
    for (const QWidget *widget = receiver; widget != nullptr; widget = widget->parentWidget()) {
        if (m_surfaces.contains(widget)) {
            const auto handler = m_handlers.constFind(widget);
            if (handler != m_handlers.cend()) {
                (*handler)(*move);
            }
            break;
        }
    }
    return false;
}
