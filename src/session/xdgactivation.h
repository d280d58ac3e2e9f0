#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

#include <memory>

class QSocketNotifier;
struct wl_display;
struct wl_registry;
struct wl_callback;
struct xdg_activation_v1;
struct xdg_activation_token_v1;

/// Asks the Wayland compositor for an xdg-activation token, as a launcher does, over a connection of its own: a
/// window may take the focus there only with a token, and Qt asks for one only while the program has the focus.
class XdgActivation : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(XdgActivation)

public:
    /// How long the compositor may take to hand out a token.
    static constexpr int AnswerMs = 2000;

    explicit XdgActivation(QObject *parent = nullptr);
    ~XdgActivation() override;

    /// Asks for a token for the program named \a appId; tokenReady() follows, also while a request is under way.
    void requestToken(const QString &appId);

Q_SIGNALS:
    /// The compositor's token, or an empty one where there is no compositor, no xdg-activation or no answer in time.
    void tokenReady(const QString &token);

private:
    static void global(void *data, wl_registry *registry, uint32_t name, const char *interface, uint32_t version);
    static void globalRemoved(void *data, wl_registry *registry, uint32_t name);
    static void globalsListed(void *data, wl_callback *callback, uint32_t serial);
    static void tokenDone(void *data, xdg_activation_token_v1 *token, const char *text);

    bool connectToCompositor();
    void readEvents();
    void disconnectFromCompositor();
    void finish();

    QString m_appId;
    QString m_token;
    bool m_busy = false;
    bool m_done = false;
    wl_display *m_display = nullptr;
    wl_registry *m_registry = nullptr;
    wl_callback *m_listed = nullptr;
    xdg_activation_v1 *m_activation = nullptr;
    xdg_activation_token_v1 *m_request = nullptr;
    std::unique_ptr<QSocketNotifier> m_events;
    QTimer m_patience;
};
