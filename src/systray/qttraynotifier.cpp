#include "qttraynotifier.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMouseEvent>

using namespace TrayNotify;

namespace {

// An embedded icon stands at the screen's top-left corner until the tray has taken it in; a balloon shown then
// would point there.
bool awaitsItsPlace(const QRect &geometry) {
    return !geometry.isEmpty() && geometry.topLeft() == QPoint(0, 0);
}

// Only X11's embedded tray comes and goes unannounced; a watcher on the session bus is followed as it changes, and
// without one no tray can appear elsewhere.
bool trayComesUnannounced() {
    return QGuiApplication::platformName() == QLatin1StringView("xcb");
}

} // namespace

QtTrayNotifier::QtTrayNotifier(QObject *parent) : TrayNotifier(parent) {
    m_balloonTimer.setSingleShot(true);
    m_balloonTimer.setTimerType(Qt::PreciseTimer);
    m_availabilityPoll.setTimerType(Qt::VeryCoarseTimer);
    m_placementPoll.setSingleShot(true);
    connect(&m_balloonTimer, &QTimer::timeout, this, &QtTrayNotifier::onBalloonTimedOut);
    connect(&m_availabilityPoll, &QTimer::timeout, this, &QtTrayNotifier::pollAvailability);
    connect(&m_placementPoll, &QTimer::timeout, this, &QtTrayNotifier::showBalloonOncePlaced);
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
        // A child as well, found among the notifier's children like its other parts.
        m_icon = std::make_unique<QSystemTrayIcon>(m_picture, this);
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
            m_placementWait.start();
            showBalloonOncePlaced();
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
        m_placementPoll.stop();
        dropPendingRelease();
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
            m_placementPoll.stop();
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
        // Qt reports no balloon that simply times out, so the time is kept here as well. A balloon asked for before
        // the icon is shown appears with it, for the time that is left.
        m_balloonTimer.start(timeoutMs);
        if (m_balloonOnBus) {
            m_notifications.show(record.infoTitle, record.info, timeoutMs);
        } else if (m_icon && m_icon->isVisible()) {
            m_placementWait.start();
            showBalloonOncePlaced();
        }
    }
}

void QtTrayNotifier::showBalloonOncePlaced() {
    if (!m_icon || !m_icon->isVisible() || !m_balloonTimer.isActive() || m_balloonOnBus) {
        return;
    }
    if (awaitsItsPlace(m_icon->geometry()) && !m_placementWait.hasExpired(PlacementWaitMs)) {
        m_placementPoll.start(PlacementPollMs);
        return;
    }
    // The balloon's time counts from when it was asked for.
    m_icon->showMessage(m_balloonTitle, m_balloonText, QIcon(), qMax(1, m_balloonTimer.remainingTime()));
}

void QtTrayNotifier::onActivated(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::DoubleClick) {
        Q_EMIT trayNotification(m_id, WM_LBUTTONDBLCLK);
        return;
    }
    if (reason != QSystemTrayIcon::Trigger && reason != QSystemTrayIcon::Context) {
        return;
    }
    const bool left = reason == QSystemTrayIcon::Trigger;
    const Qt::MouseButton button = left ? Qt::LeftButton : Qt::RightButton;
    Q_EMIT trayNotification(m_id, left ? WM_LBUTTONDOWN : WM_RBUTTONDOWN);
    if ((QGuiApplication::mouseButtons() & button) != 0) {
        // The press on Qt's embedded icon: its release comes as an event of its own.
        dropPendingRelease();
        m_pressedOnIcon = button;
        QCoreApplication::instance()->installEventFilter(this);
    } else {
        // An activation without a press of ours: the tray has seen the whole click.
        Q_EMIT trayNotification(m_id, left ? WM_LBUTTONUP : WM_RBUTTONUP);
    }
}

bool QtTrayNotifier::eventFilter(QObject *watched, QEvent *event) {
    // The icon that took the press receives its release, wherever the pointer is by then.
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<const QMouseEvent *>(event)->button() == m_pressedOnIcon) {
        const bool left = m_pressedOnIcon == Qt::LeftButton;
        dropPendingRelease();
        Q_EMIT trayNotification(m_id, left ? WM_LBUTTONUP : WM_RBUTTONUP);
    }
    return TrayNotifier::eventFilter(watched, event);
}

void QtTrayNotifier::dropPendingRelease() {
    if (m_pressedOnIcon != Qt::NoButton) {
        m_pressedOnIcon = Qt::NoButton;
        QCoreApplication::instance()->removeEventFilter(this);
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
        restartPoll();
        return;
    }
    const bool showAgain = available && m_added && m_icon && m_icon->isVisible();
    // Hidden, the icon would take a menu open from it along: it is in its place then, and a later look tells.
    if (showAgain && QApplication::activePopupWidget() != nullptr) {
        m_availabilityPoll.start(MissingTrayPollMs);
        return;
    }
    m_available = available;
    restartPoll();
    if (showAgain) {
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
    restartPoll();
}

void QtTrayNotifier::restartPoll() {
    if (!m_added || !trayComesUnannounced()) {
        m_availabilityPoll.stop();
        return;
    }
    m_availabilityPoll.start(m_available && !m_watchedClosely ? PresentTrayPollMs : MissingTrayPollMs);
}
