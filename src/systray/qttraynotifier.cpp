#include "qttraynotifier.h"

using namespace TrayNotify;

QtTrayNotifier::QtTrayNotifier(QObject *parent) : TrayNotifier(parent) {
    m_balloonTimer.setSingleShot(true);
    m_balloonTimer.setTimerType(Qt::PreciseTimer);
    m_availabilityPoll.setTimerType(Qt::VeryCoarseTimer);
    connect(&m_balloonTimer, &QTimer::timeout, this, &QtTrayNotifier::onBalloonTimedOut);
    connect(&m_availabilityPoll, &QTimer::timeout, this, &QtTrayNotifier::pollAvailability);
    connect(&m_item, &StatusNotifierItem::activated, this, [this] { onActivated(QSystemTrayIcon::Trigger); });
    connect(&m_item, &StatusNotifierItem::contextMenuRequested, this,
            [this] { onActivated(QSystemTrayIcon::Context); });
    connect(&m_item, &StatusNotifierItem::registrationChanged, this, [this] {
        showChosenIcon();
        pollAvailability();
    });
    connect(&m_notifications, &DesktopNotifications::clicked, this, &QtTrayNotifier::onMessageClicked);
}

void QtTrayNotifier::useSessionBus(const std::optional<QDBusConnection> &bus) {
    if (bus) {
        m_item.attach(*bus);
        m_notifications.attach(*bus);
    }
    m_busKnown = true;
    showChosenIcon();
}

bool QtTrayNotifier::onBus() const {
    return m_item.registration() == StatusNotifierItem::Registration::Registered;
}

bool QtTrayNotifier::isAvailable() const {
    return onBus() || QSystemTrayIcon::isSystemTrayAvailable();
}

QSystemTrayIcon &QtTrayNotifier::qtIcon() {
    if (!m_icon) {
        // Made only where no watcher took the item: Qt settles on D-Bus or XEmbed once, at its first icon.
        m_icon = std::make_unique<QSystemTrayIcon>(m_picture);
        m_icon->setToolTip(m_tip);
        connect(m_icon.get(), &QSystemTrayIcon::activated, this, &QtTrayNotifier::onActivated);
        connect(m_icon.get(), &QSystemTrayIcon::messageClicked, this, &QtTrayNotifier::onMessageClicked);
    }
    return *m_icon;
}

void QtTrayNotifier::showChosenIcon() {
    if (!m_busKnown) {
        return;
    }
    m_item.setShown(m_added);
    const bool refused =
        !m_notifications.isAttached() || m_item.registration() == StatusNotifierItem::Registration::Refused;
    if (m_added && refused) {
        if (!qtIcon().isVisible()) {
            m_icon->show();
            if (m_balloonTimer.isActive()) {
                m_icon->showMessage(m_balloonTitle, m_balloonText, QIcon(), m_balloonTimer.remainingTime());
            }
        }
    } else if (m_icon) {
        m_icon->hide();
    }
    if (m_added && onBus() && m_balloonTimer.isActive() && !m_balloonOnBus) {
        m_notifications.show(m_balloonTitle, m_balloonText, m_balloonTimer.remainingTime());
        m_balloonOnBus = true;
    }
}

void QtTrayNotifier::shellNotifyIcon(quint32 message, const TrayIconRecord &record) {
    switch (message) {
    case NIM_ADD:
        m_id = record.id;
        applyRecord(record);
        m_added = true;
        showChosenIcon();
        m_available = isAvailable();
        restartPoll();
        break;
    case NIM_MODIFY:
        applyRecord(record);
        break;
    case NIM_DELETE:
        m_added = false;
        m_availabilityPoll.stop();
        showChosenIcon();
        if (m_balloonTimer.isActive()) {
            // Deleting the icon takes its balloon with it.
            m_balloonTimer.stop();
            if (m_balloonOnBus) {
                m_notifications.close();
            }
            Q_EMIT trayNotification(m_id, NIN_BALLOONHIDE);
        }
        break;
    default:
        break;
    }
}

void QtTrayNotifier::applyRecord(const TrayIconRecord &record) {
    if ((record.flags & NIF_ICON) != 0) {
        m_picture = record.icon;
        m_item.setIcon(record.icon);
        if (m_icon) {
            m_icon->setIcon(record.icon);
        }
    }
    if ((record.flags & NIF_TIP) != 0) {
        m_tip = record.tip;
        m_item.setToolTip(record.tip);
        if (m_icon) {
            m_icon->setToolTip(record.tip);
        }
    }
    if ((record.flags & NIF_INFO) != 0) {
        if (record.infoTitle.isEmpty() && record.info.isEmpty()) {
            m_balloonTimer.stop();
            if (m_balloonOnBus) {
                m_notifications.close();
            } else if (m_icon && !m_icon->geometry().isEmpty()) {
                // The embedded icon (the only kind with a geometry) takes an empty message as "hide the balloon".
                // A desktop notification would show it as an empty one; it expires by itself at the balloon's time.
                m_icon->showMessage(QString(), QString(), QIcon(), 0);
            }
            return;
        }
        const int timeoutMs = record.timeoutMs > 0 ? record.timeoutMs : DefaultBalloonTimeoutMs;
        m_balloonTitle = record.infoTitle;
        m_balloonText = record.info;
        m_balloonOnBus = onBus();
        if (m_balloonOnBus) {
            m_notifications.show(record.infoTitle, record.info, timeoutMs);
        } else if (m_icon && m_icon->isVisible()) {
            m_icon->showMessage(record.infoTitle, record.info, QIcon(), timeoutMs);
        }
        // Qt reports no balloon that simply times out, so the time is kept here as well. A balloon asked for before
        // the icon is shown appears with it, for the time that is left.
        m_balloonTimer.start(timeoutMs);
    }
}

void QtTrayNotifier::onActivated(QSystemTrayIcon::ActivationReason reason) {
    switch (reason) {
    case QSystemTrayIcon::Trigger:
        Q_EMIT trayNotification(m_id, WM_LBUTTONDOWN);
        Q_EMIT trayNotification(m_id, WM_LBUTTONUP);
        break;
    case QSystemTrayIcon::Context:
        Q_EMIT trayNotification(m_id, WM_RBUTTONDOWN);
        Q_EMIT trayNotification(m_id, WM_RBUTTONUP);
        break;
    case QSystemTrayIcon::DoubleClick:
        Q_EMIT trayNotification(m_id, WM_LBUTTONDBLCLK);
        break;
    default:
        break;
    }
}

void QtTrayNotifier::onMessageClicked() {
    m_balloonTimer.stop();
    Q_EMIT trayNotification(m_id, NIN_BALLOONUSERCLICK);
}

void QtTrayNotifier::onBalloonTimedOut() {
    Q_EMIT trayNotification(m_id, NIN_BALLOONTIMEOUT);
}

void QtTrayNotifier::pollAvailability() {
    const bool available = isAvailable();
    if (available == m_available) {
        return;
    }
    m_available = available;
    restartPoll();
    if (available && m_added && m_icon && m_icon->isVisible()) {
        // Showing again registers the icon with the notification area that has just started.
        m_icon->hide();
        m_icon->show();
    }
    Q_EMIT availabilityChanged(available);
}

void QtTrayNotifier::watchAvailability(bool closely) {
    m_watchedClosely = closely;
    // Judge later changes against the tray as it is now, not as the last poll saw it.
    m_available = isAvailable();
    if (m_added) {
        restartPoll();
    }
}

void QtTrayNotifier::restartPoll() {
    m_availabilityPoll.start(m_available && !m_watchedClosely ? PresentTrayPollMs : MissingTrayPollMs);
}
