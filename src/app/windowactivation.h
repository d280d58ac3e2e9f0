#pragma once

#include "xdgactivation.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QWidget>

/// Brings a window forward when the user asks for it: through a launcher's later start, the tray or the media
/// controls. On Wayland a window takes the focus, or is marked urgent where the compositor withholds it, only with
/// an xdg-activation token: the launcher's, or else one asked of the compositor.
class WindowActivation : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WindowActivation)

public:
    explicit WindowActivation(QObject *parent = nullptr);
    ~WindowActivation() override = default;

    /// Shows, raises and activates \a window, with the launcher's \a token when there is one.
    void bringForward(QWidget &window, const QString &token);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void tokenReady(const QString &token);
    void activate();

    XdgActivation m_tokens;
    QPointer<QWidget> m_waiting;
    QString m_token;
    bool m_exposed = false;
};
