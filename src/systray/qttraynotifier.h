#pragma once

#include "traynotifier.h"

#include <QSystemTrayIcon>
#include <QTimer>

/// The notification area of the desktop session, through one QSystemTrayIcon.
///
/// Clicks arrive as the button-down and button-up pair of the shell; a balloon's end is reported when it is
/// clicked or when its display time has run out. While the icon is added, the presence of a notification area
/// is watched so that the icon reappears when one starts later.
class QtTrayNotifier : public TrayNotifier {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(QtTrayNotifier)

public:
    /// How long a balloon stays when the caller leaves the time to the notification area.
    static constexpr int DefaultBalloonTimeoutMs = 10000;
    /// How often the tray is looked for while there is none or something depends on it, and how often it is
    /// checked otherwise: an idle program should hardly ever wake up.
    static constexpr int MissingTrayPollMs = 2000;
    static constexpr int PresentTrayPollMs = 30000;

    explicit QtTrayNotifier(QObject *parent = nullptr);
    ~QtTrayNotifier() override = default;

    bool isAvailable() const override;
    void watchAvailability(bool closely) override;

protected:
    void shellNotifyIcon(quint32 message, const TrayIconRecord &record) override;

private:
    void applyRecord(const TrayIconRecord &record);
    void onActivated(QSystemTrayIcon::ActivationReason reason);
    void onMessageClicked();
    void onBalloonTimedOut();
    void pollAvailability();
    void restartPoll();

    QSystemTrayIcon m_icon;
    QTimer m_balloonTimer;
    QTimer m_availabilityPoll;
    int m_id = 0;
    bool m_added = false;
    bool m_available = false;
    bool m_watchedClosely = false;
};
