#include "xdgactivation.h"

#include "localsocketclient.h"

#include "xdg-activation-v1-client-protocol.h"

#include <QDir>
#include <QSocketNotifier>

#include <wayland-client.h>

#include <cerrno>
#include <cstring>
#include <utility>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

XdgActivation::XdgActivation(QObject *parent) : QObject(parent) {
    m_patience.setSingleShot(true);
    connect(&m_patience, &QTimer::timeout, this, &XdgActivation::finish);
}

XdgActivation::~XdgActivation() {
    disconnectFromCompositor();
}

void XdgActivation::requestToken(const QString &appId) {
    if (m_busy) {
        return;
    }
    m_busy = true;
    m_appId = appId;
    m_patience.start(connectToCompositor() ? AnswerMs : 0);
}

bool XdgActivation::connectToCompositor() {
    QString path = qEnvironmentVariable("WAYLAND_DISPLAY", u"wayland-0"_s);
    if (!QDir::isAbsolutePath(path)) {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        if (runtime.isEmpty()) {
            return false;
        }
        path = runtime + u'/' + path;
    }
    sockaddr_un address{};
    if (!localSocketAddress(path, address)) {
        return false;
    }
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    // A compositor too busy to take the connection at once gives no token rather than hold the window.
    if (fd < 0 || ::connect(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        if (fd >= 0) {
            ::close(fd);
        }
        return false;
    }
    m_display = wl_display_connect_to_fd(fd);
    if (m_display == nullptr) {
        return false;
    }
    static const wl_registry_listener registryListener{&XdgActivation::global, &XdgActivation::globalRemoved};
    static const wl_callback_listener listedListener{&XdgActivation::globalsListed};
    m_registry = wl_display_get_registry(m_display);
    wl_registry_add_listener(m_registry, &registryListener, this);
    m_listed = wl_display_sync(m_display);
    wl_callback_add_listener(m_listed, &listedListener, this);
    if (wl_display_flush(m_display) < 0) {
        return false;
    }
    m_events = std::make_unique<QSocketNotifier>(wl_display_get_fd(m_display), QSocketNotifier::Read);
    connect(m_events.get(), &QSocketNotifier::activated, this, &XdgActivation::readEvents);
    return true;
}

void XdgActivation::global(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t version) {
    Q_UNUSED(version);
    auto *self = static_cast<XdgActivation *>(data);
    if (self->m_activation == nullptr && std::strcmp(interface, xdg_activation_v1_interface.name) == 0) {
        self->m_activation =
            static_cast<xdg_activation_v1 *>(wl_registry_bind(registry, name, &xdg_activation_v1_interface, 1));
    }
}

void XdgActivation::globalRemoved(void *data, wl_registry *registry, uint32_t name) {
    Q_UNUSED(data);
    Q_UNUSED(registry);
    Q_UNUSED(name);
}

void XdgActivation::globalsListed(void *data, wl_callback *callback, uint32_t serial) {
    Q_UNUSED(serial);
    auto *self = static_cast<XdgActivation *>(data);
    wl_callback_destroy(callback);
    self->m_listed = nullptr;
    if (self->m_activation == nullptr) {
        self->m_done = true;
        return;
    }
    static const xdg_activation_token_v1_listener tokenListener{&XdgActivation::tokenDone};
    self->m_request = xdg_activation_v1_get_activation_token(self->m_activation);
    xdg_activation_token_v1_add_listener(self->m_request, &tokenListener, self);
    if (!self->m_appId.isEmpty()) {
        xdg_activation_token_v1_set_app_id(self->m_request, self->m_appId.toUtf8().constData());
    }
    xdg_activation_token_v1_commit(self->m_request);
}

void XdgActivation::tokenDone(void *data, xdg_activation_token_v1 *token, const char *text) {
    Q_UNUSED(token);
    auto *self = static_cast<XdgActivation *>(data);
    self->m_token = QString::fromUtf8(text);
    self->m_done = true;
}

void XdgActivation::readEvents() {
    while (wl_display_prepare_read(m_display) != 0) {
        wl_display_dispatch_pending(m_display);
    }
    // The socket is not blocking: with nothing to read, reading returns at once.
    if (wl_display_read_events(m_display) != 0 || wl_display_dispatch_pending(m_display) < 0 ||
        (wl_display_flush(m_display) < 0 && errno != EAGAIN)) {
        m_done = true;
    }
    if (m_done) {
        finish();
    }
}

void XdgActivation::disconnectFromCompositor() {
    m_events.reset();
    if (m_request != nullptr) {
        xdg_activation_token_v1_destroy(m_request);
        m_request = nullptr;
    }
    if (m_activation != nullptr) {
        xdg_activation_v1_destroy(m_activation);
        m_activation = nullptr;
    }
    if (m_listed != nullptr) {
        wl_callback_destroy(m_listed);
        m_listed = nullptr;
    }
    if (m_registry != nullptr) {
        wl_registry_destroy(m_registry);
        m_registry = nullptr;
    }
    if (m_display != nullptr) {
        wl_display_disconnect(m_display);
        m_display = nullptr;
    }
}

void XdgActivation::finish() {
    m_patience.stop();
    disconnectFromCompositor();
    const QString token = std::exchange(m_token, {});
    m_done = false;
    m_busy = false;
    Q_EMIT tokenReady(token);
}
