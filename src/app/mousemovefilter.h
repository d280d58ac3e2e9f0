#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <functional>

class QMouseEvent;
class QWidget;

/// Turns the mouse moves over a window into calls of per-surface handlers. The surfaces are the window and its
/// controls; a move over a part of a control (the text field of a time picker, the contents of a frame that is no
/// control of its own) counts for the nearest surface that holds it. A move reaches one handler only, that of the
/// surface under the pointer, and a surface without a handler does nothing, so the frame around it is not told.
class MouseMoveFilter : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(MouseMoveFilter)

public:
    using Handler = std::function<void(const QMouseEvent &event)>;

    /// Watches the moves over window and controls; owned by window.
    MouseMoveFilter(QWidget *window, const QList<QWidget *> &controls);
    ~MouseMoveFilter() override = default;

    /// Calls handler for every move over surface (the window or one of the controls) and turns mouse tracking on
    /// for it.
    void setHandler(QWidget *surface, const Handler &handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
    QSet<const QWidget *> m_surfaces;
    QHash<const QWidget *, Handler> m_handlers;
};
