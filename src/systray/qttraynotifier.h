#pragma once

#include "desktopnotifications.h"
#include "statusnotifieritem.h"
#include "traynotifier.h"

#include <QElapsedTimer>
#include <QSystemTrayIcon>
#include <QTimer>

#include <memory>
#include <optional>

/// The notification area of the desktop session: a StatusNotifierItem where a watcher on the session bus takes
/// one, else a QSystemTrayIcon (the XEmbed tray of X11).
///
/// The icon waits until useSessionBus() says which bus there is, so that Qt's own icon is only made where no watcher
/// is. Clicks arrive as the button-down and button-up of the shell: where the tray passes the mouse press to the icon
/// (Qt's embedded icon), the button-up follows when the button is released; where it reports only an activation (the
/// StatusNotifierItem), that activation is the whole click. Qt's icon shows a balloon only once the tray has given it
/// its place, so that the balloon points at the icon. A balloon's end is reported when it is clicked or when its
/// display time has run out. While the icon is added, the presence of a notification area is watched so that the
/// icon reappears when one starts later: on the bus as it changes, on X11 by looking now and then.
class QtTrayNotifier : public TrayNotifier {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtTrayNotifier)

public:
    /// How long a balloon stays when the caller leaves the time to the notification area.
    static constexpr int DefaultBalloonTimeoutMs = 10000;
    /// How often a balloon looks for the icon's place, and how long it waits for it at most.
    static constexpr int PlacementPollMs = 50;
    static constexpr int PlacementWaitMs = 3000;
    /// How often an X11 tray is looked for while there is none or something depends on it, and how often it is
    /// checked otherwise: an idle program should hardly ever wake up.
    static constexpr int MissingTrayPollMs = 2000;
    static constexpr int PresentTrayPollMs = 30000;

    explicit QtTrayNotifier(QObject *parent = nullptr);
    ~QtTrayNotifier() override = default;

    /// Shows the icon on \a bus (a StatusNotifierItem when a watcher takes it) or, without a bus, as Qt's icon.
    void useSessionBus(const std::optional<QDBusConnection> &bus);
    /// Offers \a menu to a tray on the bus, which draws it itself; the menu must outlive the notifier.
    void setMenu(TrayMenu &menu) { m_item.setMenu(menu); }

    bool isAvailable() const override;
    void watchAvailability(bool closely) override;

protected:
    void shellNotifyIcon(quint32 message, const TrayIconRecord &record) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool onBus() const;
    QSystemTrayIcon &qtIcon();
    void showChosenIcon();
    void applyRecord(const TrayIconRecord &record);
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void onMessageClicked();
    void onBalloonTimedOut();
    void showBalloonOncePlaced();
    void dropPendingRelease();
    void pollAvailability();
    void restartPoll();

    std::unique_ptr<QSystemTrayIcon> m_icon;
    StatusNotifierItem m_item;
    DesktopNotifications m_notifications;
    QTimer m_balloonTimer;
    QTimer m_availabilityPoll;
    QTimer m_placementPoll;
    QElapsedTimer m_placementWait;
    QIcon m_picture;
    QString m_tip;
    QString m_balloonTitle;
    QString m_balloonText;
    // The button pressed on Qt's embedded icon, whose release is the click's button-up.
    Qt::MouseButton m_pressedOnIcon = Qt::NoButton;
    int m_id = 0;
    bool m_busKnown = false;
    bool m_added = false;
    bool m_available = false;
    bool m_watchedClosely = false;
    bool m_balloonOnBus = false;
};
