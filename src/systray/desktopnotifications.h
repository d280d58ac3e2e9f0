#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <optional>

/// Balloons as freedesktop notifications, under the program's own name and icon.
class DesktopNotifications : public QObject {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DesktopNotifications)

public:
    static constexpr auto AppName = "Somnivox Noise Player";
    static constexpr auto AppIcon = "somnivox";
    static constexpr auto DesktopEntry = "org.vantrelle.Somnivox";

    explicit DesktopNotifications(QObject *parent = nullptr);
    ~DesktopNotifications() override = default;

    void attach(const QDBusConnection &bus);
    bool isAttached() const { return m_bus.has_value(); }
    /// Shows \a title and \a text for \a timeoutMs, replacing the notification shown before.
    void show(const QString &title, const QString &text, int timeoutMs);
    /// Takes the notification shown last down.
    void close();

Q_SIGNALS:
    void clicked();

private Q_SLOTS:
    // Slots by name: a bus signal can only be connected that way.
    void onActionInvoked(uint id, const QString &action);

private:
    std::optional<QDBusConnection> m_bus;
    uint m_id = 0;
};
