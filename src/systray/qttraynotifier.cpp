#include "qttraynotifier.h"

using namespace TrayNotify;

QtTrayNotifier::QtTrayNotifier(QObject *parent) : TrayNotifier(parent) {
    m_balloonTimer.setSingleShot(true);
    m_balloonTimer.setTimerType(Qt::PreciseTimer);
    m_availabilityPoll.setTimerType(Qt::VeryCoarseTimer);
    connect(&m_icon, &QSystemTrayIcon::activated, this, &QtTrayNotifier::onActivated);
    connect(&m_icon, &QSystemTrayIcon::messageClicked, this, &QtTrayNotifier::onMessageClicked);
    connect(&m_balloonTimer, &QTimer::timeout, this, &QtTrayNotifier::onBalloonTimedOut);
    connect(&m_availabilityPoll, &QTimer::timeout, this, &QtTrayNotifier::pollAvailability);
}

bool QtTrayNotifier::isAvailable() const {
    return QSystemTrayIcon::isSystemTrayAvailable();
}

void QtTrayNotifier::shellNotifyIcon(quint32 message, const TrayIconRecord &record) {
    switch (message) {
    case NIM_ADD:
        m_id = record.id;
        applyRecord(record);
        m_icon.show();
        m_added = true;
        m_available = isAvailable();
        restartPoll();
        break;
    case NIM_MODIFY:
        applyRecord(record);
        break;
    case NIM_DELETE:
        m_added = false;
        m_availabilityPoll.stop();
        m_icon.hide();
        if (m_balloonTimer.isActive()) {
            // Deleting the icon takes its balloon with it.
            m_balloonTimer.stop();
            Q_EMIT trayNotification(m_id, NIN_BALLOONHIDE);
        }
        break;
    default:
        break;
    }
}

void QtTrayNotifier::applyRecord(const TrayIconRecord &record) {
    if ((record.flags & NIF_ICON) != 0) {
        m_icon.setIcon(record.icon);
    }
    if ((record.flags & NIF_TIP) != 0) {
        m_icon.setToolTip(record.tip);
    }
    if ((record.flags & NIF_INFO) != 0) {
        if (record.infoTitle.isEmpty() && record.info.isEmpty()) {
            m_balloonTimer.stop();
            // The embedded icon (the only kind with a geometry) takes an empty message as "hide the balloon".
            // A desktop notification would show it as an empty one; it expires by itself at the balloon's time.
            if (!m_icon.geometry().isEmpty()) {
                m_icon.showMessage(QString(), QString(), QIcon(), 0);
            }
            return;
        }
        const int timeoutMs = record.timeoutMs > 0 ? record.timeoutMs : DefaultBalloonTimeoutMs;
        m_icon.showMessage(record.infoTitle, record.info, QIcon(), timeoutMs);
        // Qt reports no balloon that simply times out, so the time is kept here as well.
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
    if (available && m_added) {
        // Showing again registers the icon with the notification area that has just started.
        m_icon.hide();
        m_icon.show();
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
