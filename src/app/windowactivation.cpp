#include "windowactivation.h"

#include <QEvent>
#include <QGuiApplication>
#include <QTimer>
#include <QWindow>

using namespace Qt::StringLiterals;

WindowActivation::WindowActivation(QObject *parent) : QObject(parent) {
    connect(&m_tokens, &XdgActivation::tokenReady, this, &WindowActivation::tokenReady);
}

void WindowActivation::bringForward(QWidget &window, const QString &token) {
    if (!QGuiApplication::platformName().startsWith(u"wayland"_s)) {
        window.show();
        window.raise();
        window.activateWindow();
        return;
    }
    if (window.isVisible() && window.isActiveWindow()) {
        return;
    }
    // Wayland tells a program neither that its window was put away (sway's scratchpad, another workspace) nor that it
    // lies under others, and a put-away window ignores activation: mapped anew, the window comes back where the user
    // is.
    window.hide();
    window.show();
    window.raise();
    if (m_waiting != nullptr) {
        m_waiting->windowHandle()->removeEventFilter(this);
    }
    m_waiting = &window;
    m_exposed = false;
    m_token = token;
    window.windowHandle()->installEventFilter(this);
    if (token.isEmpty()) {
        m_tokens.requestToken(QGuiApplication::desktopFileName());
    }
}

void WindowActivation::tokenReady(const QString &token) {
    m_token = token;
    activate();
}

bool WindowActivation::eventFilter(QObject *watched, QEvent *event) {
    // The compositor ignores the activation of a window until its first picture is in, which follows the exposure.
    if (event->type() == QEvent::Expose && m_waiting != nullptr && watched == m_waiting->windowHandle() &&
        m_waiting->windowHandle()->isExposed()) {
        m_exposed = true;
        QTimer::singleShot(0, this, &WindowActivation::activate);
    }
    return QObject::eventFilter(watched, event);
}

void WindowActivation::activate() {
    if (m_waiting == nullptr || m_token.isEmpty() || !m_exposed) {
        return;
    }
    QWidget *window = std::exchange(m_waiting, nullptr);
    window->windowHandle()->removeEventFilter(this);
    // Qt's Wayland plugin activates with the token it finds here, and takes it away; one it leaves behind must not
    // reach a program started later.
    qputenv("XDG_ACTIVATION_TOKEN", std::exchange(m_token, {}).toUtf8());
    window->activateWindow();
    qunsetenv("XDG_ACTIVATION_TOKEN");
}
