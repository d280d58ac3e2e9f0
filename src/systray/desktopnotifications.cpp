#include "desktopnotifications.h"

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>

using namespace Qt::StringLiterals;

namespace {

const QString Service = u"org.freedesktop.Notifications"_s;
const QString Path = u"/org/freedesktop/Notifications"_s;
const QString DefaultAction = u"default"_s;

} // namespace

DesktopNotifications::DesktopNotifications(QObject *parent) : QObject(parent) {}

void DesktopNotifications::attach(const QDBusConnection &bus) {
    m_bus = bus;
    // A notification shown through a bus that went away is not known to the one met again.
    m_id = 0;
    m_bus->connect(Service, Path, Service, u"ActionInvoked"_s, this, SLOT(onActionInvoked(uint, QString)));
}

void DesktopNotifications::show(const QString &title, const QString &text, int timeoutMs) {
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Service, u"Notify"_s);
    const QVariantMap hints{{u"desktop-entry"_s, QString::fromLatin1(DesktopEntry)}};
    call << QString::fromLatin1(AppName) << m_id << QString::fromLatin1(AppIcon) << title << text
         << QStringList{DefaultAction, QString()} << hints << timeoutMs;
    auto *pending = new QDBusPendingCallWatcher(m_bus->asyncCall(call), this);
    connect(pending, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher *call) {
        call->deleteLater();
        const QDBusPendingReply<uint> reply = *call;
        if (!reply.isError()) {
            m_id = reply.value();
        }
    });
}

void DesktopNotifications::close() {
    if (m_id == 0) {
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(Service, Path, Service, u"CloseNotification"_s);
    call << m_id;
    m_bus->asyncCall(call);
}

void DesktopNotifications::onActionInvoked(uint id, const QString &action) {
    if (id == m_id && action == DefaultAction) {
        Q_EMIT clicked();
    }
}
